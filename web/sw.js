// SPDX-FileCopyrightText: 2026 The Roman converter developers
// SPDX-License-Identifier: MIT

// Keeps every file of the site, so the page works with the network cut after
// the first visit. The build writes the three lines below: the cache's name
// carries a hash of the site's files, so any change to them is a new cache.
// The files on demand (the core for a browser without WebAssembly) are kept
// only for a browser that loads them.
"use strict";

const CACHE_NAME = "roman-converter";
const SITE_FILES = ["./"];
const ON_DEMAND_FILES = [];

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    // A file on demand that the copy before kept is one this browser needs.
    const needed = [];
    for (const file of ON_DEMAND_FILES) {
      if (await caches.match(file)) {
        needed.push(file);
      }
    }
    const cache = await caches.open(CACHE_NAME);
    // From the server, not from the browser's HTTP cache, which may be older.
    await cache.addAll([...SITE_FILES, ...needed].map((file) => new Request(file, { cache: "reload" })));
    await self.skipWaiting();
  })());
});

// A page that loaded a file on demand asks for it to be kept: it loaded it
// before this worker could see it.
self.addEventListener("message", (event) => {
  const file = event.data?.keep;
  if (ON_DEMAND_FILES.includes(file)) {
    event.waitUntil((async () => {
      const cache = await caches.open(CACHE_NAME);
      if (!await cache.match(file)) {
        await cache.add(file);
      }
    })());
  }
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
