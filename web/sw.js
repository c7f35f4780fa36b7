// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Keeps every file of the site, so the page works with the network cut after
// the first visit. The build writes the two lines below: the cache's name
// carries a hash of the site's files, so any change to them is a new cache.
"use strict";

const CACHE_NAME = "roman-converter";
const SITE_FILES = ["./"];

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE_NAME);
    // From the server, not from the browser's HTTP cache, which may be older.
    await cache.addAll(SITE_FILES.map((file) => new Request(file, { cache: "reload" })));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name !== CACHE_NAME && name.startsWith("roman-converter")) {
        await caches.delete(name);
      }
    }
    await self.clients.claim();
  })());
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") {
    return;
  }
  event.respondWith((async () => {
    const cache = await caches.open(CACHE_NAME);
    const kept = await cache.match(event.request, { ignoreSearch: true });
    return kept || fetch(event.request);
  })());
});
