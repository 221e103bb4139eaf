// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A second build deployed behind a plain static host whose files may be kept ten minutes
// (Last-Modified only, max-age=600), the new code's dates left as the old code's: half
// deployed, the new build is not installed; deployed whole, its cache holds its files only.

import { test } from "node:test";
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { createServer } from "node:http";
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, statSync, utimesSync } from "node:fs";
import { execFileSync } from "node:child_process";
import { tmpdir } from "node:os";
import { extname, join } from "node:path";
import { SITE, openBrowser } from "./browser.mjs";
import { TYPES } from "../../scripts/serve-site.mjs";

/** @param {string} root */
function plainHost(root) {
  const server = createServer((request, response) => {
    const path = new URL(request.url ?? "/", "http://x").pathname;
    const file = join(root, path.endsWith("/") ? `${path}index.html` : path);
    try {
      const modified = new Date(Math.floor(statSync(file).mtimeMs / 1000) * 1000);
      const since = request.headers["if-modified-since"];
      const headers = { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream", "Cache-Control": "max-age=600", "Last-Modified": modified.toUTCString() };
      if (since && new Date(since) >= modified) return void response.writeHead(304, headers).end();
      response.writeHead(200, headers).end(readFileSync(file));
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((/** @type {(url: string) => void} */ done) =>
    server.listen(0, "127.0.0.1", () => done(`http://127.0.0.1:${/** @type {any} */ (server.address()).port}/`)),
  ).then((url) => ({ url, close: () => (server.close(), server.closeAllConnections()) }));
}

test("a new build behind a caching host: half deployed it is not installed; whole, its cache holds only its files", async (t) => {
  const top = mkdtempSync(join(tmpdir(), "quibbet-builds-"));
  const served = join(top, "served");
  const next = join(top, "next");
  cpSync(SITE, served, { recursive: true });
  cpSync(SITE, next, { recursive: true });
  for (const name of ["main.js", "loader.js"]) appendFileSync(join(next, name), "\n// the next build\n");
  execFileSync("node", ["scripts/seal-site.mjs", next]);
  const build = JSON.parse(/^const BUILD = (.*);$/m.exec(readFileSync(join(next, "sw.js"), "utf8"))?.[1] ?? "{}");
  /** @param {string[]} names */
  const deploy = (names) => {
    for (const name of names) {
      const { atime, mtime } = statSync(join(served, name));
      cpSync(join(next, name), join(served, name));
      utimesSync(join(served, name), atime, mtime);
    }
  };
  const host = await plainHost(served);
  const session = await openBrowser();
  t.after(async () => (host.close(), await session.close(), rmSync(top, { recursive: true, force: true })));

  const page = await session.browser.newPage();
  await page.goto(host.url);
  await page.waitForSelector('[data-name="cmdplay"]');
  await page.evaluate(() => navigator.serviceWorker.ready);
  const update = () =>
    page.evaluate(async () => {
      const registration = /** @type {ServiceWorkerRegistration} */ (await navigator.serviceWorker.getRegistration());
      await registration.update();
      const worker = registration.installing;
      if (!worker) return registration.waiting ? "installed" : "nothing new";
      return new Promise((done) => {
        const settled = () => ["installed", "redundant"].includes(worker.state) && done(worker.state);
        worker.addEventListener("statechange", settled);
        settled();
      });
    });

  // The worker's own file with a date of its own, or no browser would look at it again.
  cpSync(join(next, "sw.js"), join(served, "sw.js"));
  assert.equal(await update(), "redundant", "the new list with the old files");
  assert.equal(await page.evaluate((n) => caches.has(n), `quibbet-${build.version}`), false);

  deploy(["main.js", "loader.js"]);
  assert.equal(await update(), "installed");
  const kept = await page.evaluate(async (n) => {
    const cache = await caches.open(n);
    /** @type {Record<string, string>} */
    const digests = {};
    for (const request of await cache.keys()) {
      const body = await (await cache.match(request))?.arrayBuffer();
      const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", body ?? new ArrayBuffer(0)));
      digests[new URL(request.url).pathname.slice(1) || "./"] = `sha256-${btoa(String.fromCharCode(...digest))}`;
    }
    return digests;
  }, `quibbet-${build.version}`);
  assert.deepEqual(kept, build.files);
  const onDisk = `sha256-${createHash("sha256").update(readFileSync(join(next, "main.js"))).digest("base64")}`;
  assert.equal(kept["main.js"], onDisk);
});
