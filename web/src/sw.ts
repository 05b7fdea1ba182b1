// Keeps the site's own files so the page opens and works offline once it has been loaded. It
// never fetches anything but the site's files; the user's images are never sent anywhere.
declare const SITE_VERSION: string;
const worker = self as unknown as ServiceWorkerGlobalScope;

const CACHE = `pelmora-${SITE_VERSION}`;
const FILES = ['./', 'index.html', 'app.js', 'style.css', 'pelmora.wasm'];

worker.addEventListener('install', (event: ExtendableEvent) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => worker.skipWaiting()));
});

worker.addEventListener('activate', (event: ExtendableEvent) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => worker.clients.claim()));
});

worker.addEventListener('fetch', (event: FetchEvent) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== worker.location.origin) return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((cached) => cached ?? fetch(event.request)));
});
