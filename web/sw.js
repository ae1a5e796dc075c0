// The page offline: the first visit keeps the page, its scripts, styles and
// the core's WebAssembly; later visits take each file from the server when
// it answers (so a new build shows at once) and from what was kept when it
// does not.
'use strict';
const kept = 'volvenza-v1';
// The core and its interface, the parts of the page that no tag names (the
// worker's scripts), and whatever index.html itself loads.
const known = ['./', 'index.html', 'volvenza-core.js', 'volvenza-core.wasm', 'volvenza.js', 'worker.js',
  'sizing.js', 'sizing.css', 'print.css'];

async function keepAll() {
  const cache = await caches.open(kept);
  const page = await (await fetch('index.html', { cache: 'no-store' })).text();
  const named = [...page.matchAll(/(?:src|href)="([^":#?]+)"/g)].map((m) => m[1]);
  // A file the page does not have is not a reason to keep none.
  await Promise.all([...new Set([...known, ...named])].map((url) =>
    fetch(url, { cache: 'no-store' }).then((r) => r.ok && cache.put(url, r)).catch(() => {})));
}

self.addEventListener('install', (event) => event.waitUntil(keepAll().then(() => self.skipWaiting())));
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith((async () => {
    const cache = await caches.open(kept);
    try {
      const response = await fetch(request);
      if (response.ok) cache.put(request, response.clone());
      return response;
    } catch (offline) {
      const copy = await cache.match(request, { ignoreSearch: true });
      if (copy) return copy;
      throw offline;
    }
  })());
});
