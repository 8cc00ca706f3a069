// The page's service worker, made by the build from web/service_worker.js:
// it keeps the page's files so that the page starts with no network once it
// has been opened from a server. The cache's name carries the hash of those
// files, so a new build installs beside the old one and removes it when it
// takes over.
'use strict';

const CACHE = 'stereona-@@HASH@@';
const FILES = @@FILES@@;

self.addEventListener('install', (event) => {
  // Past any HTTP cache: the files must be the ones the hash was made of.
  const requests = FILES.map((file) => new Request(file, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  // Only the older caches of this copy, known by the page they hold (a name
  // resolves against the worker's own folder): other pages, and copies of
  // this one in other folders of the server, share the origin's caches.
  event.waitUntil(caches.keys().then((names) => Promise.all(names
    .filter((name) => name.startsWith('stereona-') && name !== CACHE)
    .map((name) => caches.match(FILES[0], { cacheName: name })
      .then((page) => page && caches.delete(name))))));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // The cache first; what it does not hold comes from the network as usual.
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((cached) => cached || fetch(event.request)));
});
