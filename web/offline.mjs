// Keeps the whole site for use offline through its service worker, where the page names one (the
// site does; the one-file page does not) and the browser allows it: over https, or from this
// machine. Registered once the page has loaded, so that it takes nothing from the start.
export function keepOffline(window, worker) {
  const register = () => window.navigator.serviceWorker.register(worker).catch(() => {});
  if (!worker || !window.navigator.serviceWorker)
    return;
  if (window.document.readyState === 'complete')
    register();
  else
    window.addEventListener('load', register, { once: true });
}
