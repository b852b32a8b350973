// The service worker: keeps what this version of the site runs on (the page, its modules and the
// engine; the browser keeps an installed app's manifest and icons itself) for use offline, and
// answers from it. Every file but the page itself lives under the version's own folder, so files of
// two versions never share an address.
// - Its caches belong to its scope: copies of the site in other folders of the same server keep
//   theirs.
// - Installing keeps only good answers: the page must be this version's, and every answer a
//   success, or the install fails and leaves nothing behind. What the page has already loaded is
//   taken from the browser's cache rather than loaded again.
// - A new version takes over as soon as it is kept, so that a reload gets it even where the tab
//   never closes; a page still open on the version before goes on being answered from that
//   version's cache, which is kept until the next one. Older ones are removed.
// - The page answers at the folder and at index.html, with any query.
const folder = {{folder}};
const files = {{files}};
const { scope } = self.registration;
const ours = `collatz ${scope} `;
const cacheName = ours + folder;

// The answer to address, if it is a success and, for the page, this version's; a copy of it, so
// that one the server redirected to may answer a navigation.
async function goodAnswer(address, cache) {
  const answer = await fetch(address, { cache });
  const body = await answer.arrayBuffer();
  const isPage = address === './';
  const type = answer.headers.get('Content-Type') ?? '';
  if (!answer.ok || isPage !== type.startsWith('text/html') ||
      (isPage && !new TextDecoder().decode(body).includes(`${folder}/`)))
    throw new Error(`${address} answered ${answer.status} ${type}, which is not this version's`);
  return new Response(body, { status: answer.status, statusText: answer.statusText, headers: answer.headers });
}

// The page from the browser's cache, if that is this version's, or else from the server.
const thisVersionsPage = () => goodAnswer('./', 'force-cache').catch(() => goodAnswer('./', 'reload'));

// Every answer is had before any is kept; a cache that was not there before goes again if keeping
// them fails.
async function keep() {
  const answers = await Promise.all([thisVersionsPage(), ...files.map((file) => goodAnswer(file, 'force-cache'))]);
  const hadCopy = (await caches.keys()).includes(cacheName);
  try {
    const cache = await caches.open(cacheName);
    await Promise.all(['./', ...files].map((address, i) => cache.put(address, answers[i])));
  } catch (error) {
    if (!hadCopy)
      await caches.delete(cacheName);
    throw error;
  }
}

self.addEventListener('install', (event) => event.waitUntil(keep().then(() => self.skipWaiting())));

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => {
    const older = names.filter((name) => name.startsWith(ours) && name !== cacheName);
    return Promise.all(older.slice(0, -1).map((name) => caches.delete(name)));
  }));
});

// The first good answer that this scope's caches hold, this version's first.
async function kept(request) {
  const names = (await caches.keys()).filter((name) => name.startsWith(ours) && name !== cacheName);
  for (const name of [cacheName, ...names.reverse()]) {
    const answer = await (await caches.open(name)).match(request, { ignoreSearch: true });
    if (answer?.ok)
      return answer;
  }
  return undefined;
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || !request.url.startsWith(scope))
    return;
  const path = new URL(request.url).pathname.slice(new URL(scope).pathname.length);
  const isPage = request.mode === 'navigate' && ['', 'index.html'].includes(path);
  event.respondWith(kept(isPage ? './' : request).then((answer) => answer ?? fetch(request)));
});
