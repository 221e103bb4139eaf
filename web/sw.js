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

const BUILD = { version: "unsealed", files: /** @type {Record<string, string>} */ ({}) };
const PREFIX = "quibbet-";
const CACHE = `${PREFIX}${BUILD.version}`;

// Each file must be the build's own, by its digest in the list: a host's or the browser's cache
// may still hand out the last build's. A copy revalidated with the host first costs only
// headers; one that fails the digest is fetched again past every cache. A file that still
// fails (a deploy half done) fails the install, and the old build stays in use whole.
/** @param {string} name @param {string} integrity */
const fetchChecked = (name, integrity) =>
  fetch(name, { cache: "no-cache", integrity }).catch(() => fetch(name, { cache: "reload", integrity }));

self.addEventListener("install", (event) => {
  const install = /** @type {ExtendableEvent} */ (event);
  install.waitUntil(
    Promise.all(Object.entries(BUILD.files).map(([name, integrity]) => fetchChecked(name, integrity))).then(
      async (responses) => {
        const cache = await caches.open(CACHE);
        const names = Object.keys(BUILD.files);
        await Promise.all(responses.map((response, i) => cache.put(names[i], response))).catch(async (e) => {
          await caches.delete(CACHE);
          throw e;
        });
      },
    ),
  );
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
