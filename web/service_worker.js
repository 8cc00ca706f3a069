// The page's service worker, made by the build from web/service_worker.js:
// it keeps the page's files so that the page starts with no network once it
// has been opened from a server. Copies of the page in other folders of the
// same server share the origin's caches, so the cache's name carries this
// copy's scope as well as the hash of its files: a new build installs beside
// the old one and removes only this copy's older caches when it takes over.
'use strict';

const OWN_CACHES = `stereona ${self.registration.scope} `;
const CACHE = `${OWN_CACHES}@@HASH@@`;
const FILES = @@FILES@@;

// A cache of this copy made before its name carried the scope: it holds
// files of this folder (they all lie beside the page) and of no other.
function olderUnscopedCache(name) {
  if (!/^stereona-[0-9a-f]+$/.test(name)) return Promise.resolve(false);
  return caches.open(name).then((cache) => cache.keys()).then((requests) =>
    requests.length > 0
    && requests.every((request) => new URL('.', request.url).href === self.registration.scope));
}

self.addEventListener('install', (event) => {
  // Past any HTTP cache: the files must be the ones the hash was made of.
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name !== CACHE)
    .map((name) => (name.startsWith(OWN_CACHES) ? Promise.resolve(true) : olderUnscopedCache(name))
      .then((own) => own && caches.delete(name))))));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // The cache first; what it does not hold comes from the network as usual.
  event.respondWith(caches.match(event.request, { cacheName: CACHE, ignoreSearch: true })
    .then((cached) => cached || fetch(event.request)));
});
