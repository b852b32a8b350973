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
//   version's cache, which is kept until the next one. Older ones are removed, and so are this
//   copy's entries in the caches of the release before caches were named after their scope.
// - The page is kept from whichever of the folder and index.html the host answers, and answers at
//   both, with any query.
// - The manifest is given the id that names the app by this copy's folder.
const folder = {{folder}};
const files = {{files}};
const { scope } = self.registration;
const ours = `collatz ${scope} `;
const cacheName = ours + folder;

// The answer to address, if it is a success and, for the page, this version's; a copy of it, so
// that one the server redirected to may answer a navigation.
async function goodAnswer(address, cache, isPage = false) {
  const answer = await fetch(address, { cache });
  const body = await answer.arrayBuffer();
  const type = answer.headers.get('Content-Type') ?? '';
  if (!answer.ok || isPage !== type.startsWith('text/html') ||
      (isPage && !new TextDecoder().decode(body).includes(`${folder}/`)))
    throw new Error(`${address} answered ${answer.status} ${type}, which is not this version's`);
  return new Response(body, { status: answer.status, statusText: answer.statusText, headers: answer.headers });
}

// The page's path in the scope, if the address is the page's: the folder ('') or index.html.
const pagePath = (url) => {
  const path = new URL(url).pathname.slice(new URL(scope).pathname.length);
  return url.startsWith(scope) && ['', 'index.html'].includes(path) ? path : undefined;
};

// The page, this version's, from the browser's cache if it is there, or else from the server: first
// at the address the visitor's page came from, then at the folder and at index.html, for a host may
// answer only one of them.
async function thisVersionsPage() {
  const windows = await self.clients.matchAll({ type: 'window', includeUncontrolled: true });
  const seen = windows.map(({ url }) => pagePath(url)).filter((path) => path !== undefined);
  const addresses = [...new Set([...seen, '', 'index.html'].map((path) => path || './'))];
  let failure;
  for (const cache of ['force-cache', 'reload']) {
    for (const address of addresses)
      try { return await goodAnswer(address, cache, true); } catch (error) { failure = error; }
  }
  throw failure;
}

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

// Caches named before caches were named after their scope ("collatz-<version>") hold the pages and
// versions' files of every copy on the server: this copy's entries go, another copy's stay.
async function forgetUnscoped(name) {
  const cache = await caches.open(name);
  const entries = await cache.keys();
  const ourEntries = entries.filter(({ url }) => pagePath(url) !== undefined ||
    (url.startsWith(scope) && /^v-[^/]+\/[^/]+$/.test(url.slice(scope.length).split('?')[0])));
  await Promise.all(ourEntries.map((request) => cache.delete(request)));
  if (ourEntries.length === entries.length)
    await caches.delete(name);
}

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => {
    const older = names.filter((name) => name.startsWith(ours) && name !== cacheName);
    return Promise.all([...older.slice(0, -1).map((name) => caches.delete(name)),
      ...names.filter((name) => name.startsWith('collatz-')).map(forgetUnscoped)]);
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

// The manifest, with the id that names the app by its folder, the scope's path.
async function withIdentity(request) {
  const answer = await fetch(request);
  if (!answer.ok)
    return answer;
  const manifest = { ...(await answer.json()), id: new URL(scope).pathname };
  return new Response(JSON.stringify(manifest), { headers: answer.headers });
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || !request.url.startsWith(scope))
    return;
  if (new URL(request.url).pathname.endsWith(`/${folder}/manifest.webmanifest`)) {
    event.respondWith(withIdentity(request));
    return;
  }
  const isPage = request.mode === 'navigate' && pagePath(request.url) !== undefined;
  event.respondWith(kept(isPage ? './' : request).then((answer) => answer ?? fetch(request)));
});
