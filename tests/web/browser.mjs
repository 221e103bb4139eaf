// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's Chromium, headless, driven by puppeteer-core, and the site served on a free port.

import puppeteer from "puppeteer-core";
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { serve } from "../../scripts/serve-site.mjs";

export const SITE = "build-web/site";

/**
 * Starts the server and a browser with a fresh profile; close() ends both.
 * @param {{ deviceScaleFactor?: number }} [options]
 */
export async function openBrowser(options = {}) {
  const server = await serve(SITE, 0);
  const profile = mkdtempSync(join(tmpdir(), "quibbet-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    defaultViewport: { width: 1000, height: 720, deviceScaleFactor: options.deviceScaleFactor ?? 1 },
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
  return {
    browser,
    url: server.url,
    // The site's host goes away; the browser stays, with what it kept of the site.
    stopServing: server.close,
    close: async () => {
      await browser.close();
      server.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
