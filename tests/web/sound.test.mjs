// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page heard, in Debian's Chromium: no AudioContext and no sound before the player's first
// gesture, a source started for each cue in play, none after M, and M remembered on reload.

import { test, after, before } from "node:test";
import assert from "node:assert/strict";
import { openBrowser } from "./browser.mjs";

/** @type {Awaited<ReturnType<typeof openBrowser>>} */
let session;
before(async () => {
  session = await openBrowser();
});
after(async () => {
  await session.close();
});

/** @param {import("puppeteer-core").Page} page */
const started = (page) => page.evaluate(() => /** @type {any} */ (window).quibbetSound.started.length);

/** @param {import("puppeteer-core").Page} page */
async function sweepTheField(page) {
  const field = await page.$('[data-window="Form1"]:not([hidden]) .client');
  const r = field && (await field.boundingBox());
  assert.ok(r, "the game window is on the page");
  for (let pass = 0; pass < 12; ++pass) {
    for (let i = 0; i < 15; ++i) {
      await page.mouse.move(r.x + (r.width * ((i % 5) + 0.5)) / 5, r.y + (r.height * (Math.floor(i / 5) + 0.5)) / 3);
      await new Promise((done) => setTimeout(done, 30));
    }
  }
}

test("no sound before the first gesture, a source per cue in play, none after M, M kept on reload", async () => {
  const page = await session.browser.newPage();
  await page.setViewport({ width: 1000, height: 720 });
  await page.evaluateOnNewDocument(() => {
    const Original = window.AudioContext;
    Object.assign(window, { audioContexts: 0 });
    window.AudioContext = class extends Original {
      /** @param {AudioContextOptions} [options] */
      constructor(options) {
        super(options);
        /** @type {any} */ (window).audioContexts += 1;
      }
    };
  });
  await page.goto(session.url);
  const play = '[data-window="Form2"]:not([hidden]) [data-name="cmdplay"]';
  await page.waitForSelector(play);
  assert.equal(await page.evaluate(() => /** @type {any} */ (window).audioContexts), 0);
  assert.equal(await started(page), 0);

  await page.click(play);
  await sweepTheField(page);
  const heard = await started(page);
  assert.ok(heard > 0, "cues in play start sources");
  assert.equal(await page.evaluate(() => /** @type {any} */ (window).audioContexts), 1);

  await page.reload();
  await page.waitForSelector(play);
  await page.click(play);
  await page.keyboard.press("m");
  assert.equal(await page.$eval(".choice-notice", (e) => e.textContent), "Sound off");
  await sweepTheField(page);
  assert.equal(await started(page), 0, "nothing sounds after M");
  await page.reload();
  await page.waitForSelector(play);
  assert.equal(await page.evaluate(() => localStorage.getItem("quibbet/sound")), "off");
  assert.equal(await page.evaluate(() => document.body.dataset.sound), "off");
  await page.close();
});
