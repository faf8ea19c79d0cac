// Keeps the site's files so that Falorys starts offline after the first visit. The cache's name
// changes with every build (the build writes it below), so a new version replaces the old one.
'use strict';
const cacheName = 'falorys-@BUILD_ID@';
const files = ['./', 'index.html', 'falorys.js', 'falorys.wasm', 'manifest.webmanifest',
               'icons/falorys-32.png', 'icons/falorys-128.png',
               'icons/falorys-256.png', 'icons/falorys.svg'];

self.addEventListener('install', function (event) {
    event.waitUntil(caches.open(cacheName)
                        .then(function (cache) { return cache.addAll(files); })
                        .then(function () { return self.skipWaiting(); }));
});

self.addEventListener('activate', function (event) {
    event.waitUntil(caches.keys()
                        .then(function (names) {
                            return Promise.all(names.filter(function (name) {
                                return name.startsWith('falorys-') && name !== cacheName;
                            }).map(function (name) { return caches.delete(name); }));
                        })
                        .then(function () { return self.clients.claim(); }));
});

// The kept copy first; what is not kept (another page of the same server) from the network.
self.addEventListener('fetch', function (event) {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(caches.open(cacheName).then(function (cache) {
        return cache.match(event.request, { ignoreSearch: true }).then(function (kept) {
            return kept || fetch(event.request);
        });
    }));
});
