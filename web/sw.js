// The service worker: keeps what this version of the site runs on (the page, its modules and the
// engine; the browser keeps an installed app's manifest and icons itself) for use offline, in a
// cache named after the version, and answers from it. Every file but the page itself lives under
// the version's own folder, so files of two versions never share an address. Installing keeps
// what the page has already loaded, from the browser's cache, rather than loading it again; an
// install that fails leaves nothing behind. A new version takes over once no page of the old one
// is open; the version before it is kept for a page that began loading just then, and older ones
// are removed.
const version = {{version}};
const files = {{files}};
const cacheName = `collatz-${version}`;

// The page from the browser's cache, if that is this version's (it names this version's folder).
async function thisVersionsPage() {
  const cached = await fetch('./', { cache: 'force-cache' });
  if (cached.ok && (await cached.clone().text()).includes(`v-${version}/`))
    return cached;
  return fetch('./', { cache: 'reload' });
}

async function keep() {
  const cache = await caches.open(cacheName);
  try {
    await Promise.all([
      thisVersionsPage().then((page) => cache.put('./', page)),
      ...files.map((file) => cache.add(new Request(file, { cache: 'force-cache' }))),
    ]);
  } catch (error) {
    await caches.delete(cacheName);
    throw error;
  }
}

self.addEventListener('install', (event) => event.waitUntil(keep()));

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => {
    const older = names.filter((name) => name.startsWith('collatz-') && name !== cacheName);
    return Promise.all(older.slice(0, -1).map((name) => caches.delete(name)));
  }));
});

// This version's cache first, then the version kept before it, then the network.
self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
    return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((response) => response ?? caches.match(request, { ignoreSearch: true }))
    .then((response) => response ?? fetch(request)));
});
