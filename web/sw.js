// The page offline: the first visit keeps the page, its scripts, styles and
// the core's WebAssembly; later visits take each file from the server when
// it answers (so a new build shows at once) and from what was kept when it
// does not.
'use strict';
const kept = 'volvenza-v1';
// The page's files: what index.html names, and what each script names in
// turn (modules it imports, its worker, the worker's scripts), found the way
// the browser finds them; the core's WebAssembly besides, which its loader
// names only at run time.
const named = /(?:src|href)="([^":#?]+)"|from '\.\/([^']+)'|new Worker\('([^']+)'|importScripts\(([^)]*)\)/g;

async function keepAll() {
  const cache = await caches.open(kept);
  const seen = new Set(['./', 'volvenza-core.wasm']);
  const next = ['index.html'];
  while (next.length) {
    const url = next.pop();
    if (seen.has(url)) continue;
    seen.add(url);
    const response = await fetch(url, { cache: 'no-store' }).catch(() => null);
    if (!response || !response.ok) continue;
    if (/\.(html|js)$/.test(url)) {
      for (const m of (await response.clone().text()).matchAll(named)) {
        const found = m[1] || m[2] || m[3] || m[4].replace(/'/g, '');
        next.push(...found.split(',').map((name) => name.trim()).filter(Boolean));
      }
    }
    await cache.put(url, response);
  }
  // A file the page does not have is not a reason to keep none.
  await Promise.all(['./', 'volvenza-core.wasm'].map((url) =>
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
