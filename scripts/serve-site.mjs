// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Serves a folder on 127.0.0.1, for the web build: node scripts/serve-site.mjs DIR [PORT].
// Only files inside the folder are served, with the types browsers insist on for modules and
// WebAssembly, and the headers of a careful host (answer below); a link that leads out of the
// folder is not inside it. Exported for the browser tests, which start it on a free port.

import { createHash } from "node:crypto";
import { createServer } from "node:http";
import { realpathSync } from "node:fs";
import { readFile, realpath } from "node:fs/promises";
import { extname, join, resolve, sep } from "node:path";
import { fileURLToPath } from "node:url";

/** @type {Record<string, string>} */
export const TYPES = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".mjs": "text/javascript",
  ".css": "text/css",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".svg": "image/svg+xml",
  ".ttf": "font/ttf",
  ".otf": "font/otf",
  ".woff2": "font/woff2",
  ".webmanifest": "application/manifest+json",
};

// The page's own policy, as its meta element states it, and what only a header can say.
const POLICY =
  "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; base-uri 'none'; " +
  "object-src 'none'; frame-ancestors 'none'";

/**
 * The headers of a file: its type; the policy on pages; a tag of its contents, so that a browser
 * checks it again cheaply (the offline copy fetches every file once more after a first visit);
 * and, when the build left a gzip twin and the browser takes gzip, that twin.
 * @param {string} file
 * @param {Buffer} body
 * @param {import("node:http").IncomingMessage} request
 * @returns {Promise<{ headers: Record<string, string>, body: Buffer }>}
 */
async function answer(file, body, request) {
  /** @type {Record<string, string>} */
  const headers = {
    "Content-Type": TYPES[extname(file)] ?? "application/octet-stream",
    "Cache-Control": "no-cache",
    ETag: `W/"${createHash("sha256").update(body).digest("base64url").slice(0, 22)}"`,
    "X-Content-Type-Options": "nosniff",
  };
  if (extname(file) === ".html") headers["Content-Security-Policy"] = POLICY;
  if (!/\bgzip\b/.test(String(request.headers["accept-encoding"] ?? ""))) return { headers, body };
  try {
    const twin = await readFile(`${file}.gz`);
    return { headers: { ...headers, "Content-Encoding": "gzip", Vary: "Accept-Encoding" }, body: twin };
  } catch {
    return { headers, body };
  }
}

/**
 * The file a request names inside the site, or the status that turns it away: 400 for a path that
 * does not decode, 404 for anything that is not inside the folder once links are resolved.
 * @param {string} root the site folder, its own links resolved
 * @param {string | undefined} url
 * @returns {Promise<{ file: string } | { status: number }>}
 */
async function siteFile(root, url) {
  let path;
  try {
    path = decodeURIComponent(new URL(url ?? "/", "http://x").pathname);
  } catch {
    return { status: 400 };
  }
  if (path.includes("\0")) {
    return { status: 400 };
  }
  try {
    const file = await realpath(join(root, path.endsWith("/") ? `${path}index.html` : path));
    return file.startsWith(root + sep) ? { file } : { status: 404 };
  } catch {
    return { status: 404 };
  }
}

/**
 * @param {string} folder
 * @param {number} port 0 for any free port
 * @returns {Promise<{ url: string, close: () => void }>}
 */
export function serve(folder, port) {
  const root = realpathSync(resolve(folder));
  const server = createServer(async (request, response) => {
    const found = await siteFile(root, request.url);
    if ("status" in found) {
      response.writeHead(found.status).end();
      return;
    }
    const { file } = found;
    try {
      const sent = await answer(file, await readFile(file), request);
      if (request.headers["if-none-match"] === sent.headers.ETag) {
        response.writeHead(304, sent.headers).end();
        return;
      }
      response.writeHead(200, sent.headers);
      response.end(sent.body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => {
    server.listen(port, "127.0.0.1", () => {
      const address = server.address();
      const bound = typeof address === "object" && address ? address.port : port;
      done({ url: `http://127.0.0.1:${bound}/`, close: () => (server.close(), server.closeAllConnections()) });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const { url } = await serve(process.argv[2] ?? "build-web/site", Number(process.argv[3] ?? 8000));
  console.log(`Serving Quibbet on ${url} (Ctrl+C stops)`);
}
