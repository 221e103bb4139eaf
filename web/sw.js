// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's offline copy: on the first visit every file of the build goes into a cache named
// after the build, and from then on the page loads from it, network or none. A new build comes
// with a new list (the build writes BUILD), is installed beside the old one and, once no page
// of the old build is open, takes its place and deletes the old cache.

/**
 * @typedef {Event & { waitUntil(done: Promise<unknown>): void }} ExtendableEvent
 * @typedef {ExtendableEvent & { request: Request, respondWith(answer: Promise<Response>): void }} FetchEvent
 */

const BUILD = { version: "unsealed", files: /** @type {string[]} */ ([]) };
const PREFIX = "quibbet-";
const CACHE = `${PREFIX}${BUILD.version}`;

self.addEventListener("install", (event) => {
  const install = /** @type {ExtendableEvent} */ (event);
  install.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(BUILD.files)));
});

self.addEventListener("activate", (event) => {
  const activate = /** @type {ExtendableEvent} */ (event);
  activate.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith(PREFIX) && n !== CACHE).map((n) => caches.delete(n)))),
  );
});

self.addEventListener("fetch", (event) => {
  const fetching = /** @type {FetchEvent} */ (event);
  if (fetching.request.method !== "GET") return;
  fetching.respondWith(
    caches
      .match(fetching.request, { cacheName: CACHE, ignoreSearch: true, ignoreVary: true })
      .then((kept) => kept ?? fetch(fetching.request)),
  );
});
