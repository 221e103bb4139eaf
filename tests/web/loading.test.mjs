// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Getting the page: a first visit on a slow link (the loading notice, then the menu, in few
// bytes, under a strict policy), a later visit with no network at all, and a visit on which the
// WebAssembly cannot be fetched. Each in a browser of its own, with nothing kept from before.

import { test } from "node:test";
import assert from "node:assert/strict";
import { openBrowser } from "./browser.mjs";

const MENU = '[data-window="Form2"]:not([hidden]) [data-name="cmdplay"]';

test("a first visit over 1.6 Mbit/s with 150 ms latency: the loading notice, then the menu, in at most 400 KiB", async (t) => {
  const session = await openBrowser();
  t.after(session.close);
  const page = await session.browser.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Network.enable");
  await cdp.send("Network.emulateNetworkConditions", {
    offline: false,
    latency: 150,
    downloadThroughput: 1.6e6 / 8,
    uploadThroughput: 0.75e6 / 8,
  });
  let bytes = 0;
  cdp.on("Network.loadingFinished", (e) => {
    bytes += e.encodedDataLength;
  });
  const response = await page.goto(session.url, { waitUntil: "domcontentloaded" });
  assert.equal(await page.$eval("#notice p", (e) => e.textContent), "Loading Quibbet…");
  assert.equal(await page.$(MENU), null, "the notice comes first");
  await page.waitForSelector(MENU);
  assert.equal(await page.$("#notice"), null, "and goes with the menu's first frame");
  await page.waitForNetworkIdle({ idleTime: 1000 });
  assert.ok(bytes <= 400 * 1024, `${bytes} bytes`);

  const policy = response?.headers()["content-security-policy"] ?? "";
  for (const rule of ["frame-ancestors 'none'", "base-uri 'none'", "object-src 'none'"]) assert.ok(policy.includes(rule), rule);
  assert.ok(!policy.includes("unsafe-inline"), policy);
});

test("after a first visit the page starts and plays with its host gone, and ends on its own page", async (t) => {
  const session = await openBrowser();
  t.after(session.close);
  const first = await session.browser.newPage();
  await first.goto(session.url);
  await first.waitForSelector(MENU);
  await first.evaluate(() => navigator.serviceWorker.ready);
  await first.close();
  session.stopServing();

  const page = await session.browser.newPage();
  await page.goto(session.url);
  await page.waitForSelector(MENU);
  await page.click('[data-name="cmdplay"]');
  await page.waitForFunction(() => /** @type {any} */ (window).quibbetPace.ticks > 60);
  await page.goto(`${session.url}ended.html`);
  assert.equal(await page.title(), "Quibbet has ended");
  assert.ok(await page.$('link[rel="icon"]'), "with its icon");
});

test("a WebAssembly that cannot be fetched: a message and Try again, which then starts the game", async (t) => {
  const session = await openBrowser();
  t.after(session.close);
  const page = await session.browser.newPage();
  let blocked = true;
  await page.setRequestInterception(true);
  page.on("request", (request) => {
    if (blocked && request.url().endsWith(".wasm")) request.abort();
    else request.continue();
  });
  await page.goto(session.url);
  await page.waitForSelector("#notice button:not([hidden])");
  assert.equal(
    await page.$eval("#notice p", (e) => e.textContent),
    "Quibbet could not be loaded. Check the connection, then try again.",
  );
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), "Try again");
  blocked = false;
  await page.click("#notice button");
  await page.waitForSelector(MENU);
});
