// The site's first script, inline in the page: once the window has been painted, so that nothing
// delays that, it starts the modules (all at once, not import by import), the engine and the start.
// Where the modules cannot load, one line says so: from a file:// address, what to do instead.
// Until the modules have wired the commands, a tap on 実　験 opens the input dialog all the same,
// within the tap, as a tablet's keyboard needs, and marks it as opened early: the commands take it
// from there. Once it has been answered with OK, a tap opens nothing more until they do.
function openEarly({ target }) {
  const dialog = document.getElementById('inputDialog');
  if (!target.closest('#Command1') || dialog.open || (dialog.dataset.openedEarly === '' && dialog.returnValue === 'ok'))
    return;
  dialog.returnValue = '';
  dialog.querySelector('input').value = '';
  dialog.dataset.openedEarly = '';
  dialog.showModal();
}
document.addEventListener('click', openEarly);
document.addEventListener('wired', () => document.removeEventListener('click', openEarly), { once: true });
requestAnimationFrame(() => setTimeout(() => {
  const { modules, engine, main } = JSON.parse(document.getElementById('siteFiles').text);
  const add = (tag, attributes) => document.head.appendChild(Object.assign(document.createElement(tag), attributes));
  for (const module of modules)
    add('link', { rel: 'modulepreload', href: module });
  add('link', { id: 'engineCode', rel: 'preload', as: 'fetch', crossOrigin: 'anonymous', href: engine });
  add('script', { type: 'module', src: main }).addEventListener('error', () => {
    document.documentElement.dataset.cannotRun = location.protocol === 'file:' ? 'file' : 'engine';
  });
}));
