// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seals a built site: node scripts/seal-site.mjs DIR. Writes into its service worker the list
// of every file with its digest and a version drawn from their contents, so that each build has
// a cache of its own, filled with its own files only, and a changed build replaces the old one; then leaves a gzip twin (NAME.gz) beside each
// text and WebAssembly file, for servers that send them as they are.

import { createHash } from "node:crypto";
import { readdirSync, readFileSync, writeFileSync } from "node:fs";
import { join, relative } from "node:path";
import { gzipSync } from "node:zlib";

const WORKER = "sw.js";
const COMPRESSIBLE = /\.(html|js|mjs|css|wasm|svg|webmanifest)$/;

/** @param {string} dir @returns {string[]} */
function filesUnder(dir) {
  return readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? filesUnder(join(dir, entry.name)) : [join(dir, entry.name)],
  );
}

const site = process.argv[2] ?? "build-web/site";
const files = filesUnder(site)
  .map((file) => relative(site, file))
  .filter((name) => name !== WORKER && !name.endsWith(".gz"))
  .sort();
const hash = createHash("sha256");
for (const name of files) hash.update(name).update("\0").update(readFileSync(join(site, name)));
const version = hash.digest("hex").slice(0, 16);
// The digest a fetch checks a file against (subresource integrity).
/** @param {string} name */
const digest = (name) => `sha256-${createHash("sha256").update(readFileSync(join(site, name))).digest("base64")}`;

const worker = join(site, WORKER);
const sealed = readFileSync(worker, "utf8").replace(
  /^const BUILD = .*$/m,
  `const BUILD = ${JSON.stringify({ version, files: Object.fromEntries([["./", digest("index.html")], ...files.map((n) => [n, digest(n)])]) })};`,
);
writeFileSync(worker, sealed);

for (const name of [...files, WORKER].filter((n) => COMPRESSIBLE.test(n))) {
  writeFileSync(join(site, `${name}.gz`), gzipSync(readFileSync(join(site, name)), { level: 9 }));
}
console.log(`Site sealed as build ${version}: ${files.length} files`);
