// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The site server turns away what a page or a passer-by may ask that is not a file of the site,
// and goes on serving.

import { test } from "node:test";
import assert from "node:assert/strict";
import { request } from "node:http";
import { mkdirSync, mkdtempSync, rmSync, symlinkSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve } from "../../scripts/serve-site.mjs";

/**
 * The status of a GET for path exactly as written, with no URL clean-up on the way.
 * @param {string} url @param {string} path
 * @returns {Promise<number | undefined>}
 */
function statusOf(url, path) {
  const { hostname, port } = new URL(url);
  return new Promise((done, failed) => {
    request({ hostname, port, path }, (response) => {
      response.resume();
      done(response.statusCode);
    })
      .on("error", failed)
      .end();
  });
}

test("bad paths and links out of the site are refused, and the site is still served", async () => {
  const top = mkdtempSync(join(tmpdir(), "quibbet-site-"));
  const site = join(top, "site");
  mkdirSync(site);
  writeFileSync(join(site, "index.html"), "<!doctype html>");
  writeFileSync(join(top, "secret.txt"), "not for the web");
  symlinkSync(join(top, "secret.txt"), join(site, "secret.txt"));
  symlinkSync(top, join(site, "up"));
  symlinkSync(join(site, "index.html"), join(site, "home.html"));
  const server = await serve(site, 0);
  try {
    const cases = [
      ["/%E0%A4%A", 400],
      ["/%00", 400],
      ["/secret.txt", 404],
      ["/up/secret.txt", 404],
      ["/up/site/index.html", 200],
      ["/%2e%2e/secret.txt", 404],
      ["/..%2fsecret.txt", 404],
      ["/missing.js", 404],
      ["/home.html", 200],
      ["/", 200],
    ];
    for (const [path, status] of cases) {
      assert.equal(await statusOf(server.url, String(path)), status, String(path));
    }
  } finally {
    server.close();
    rmSync(top, { recursive: true, force: true });
  }
});
