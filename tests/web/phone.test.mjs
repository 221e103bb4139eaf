// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on a phone, by touch alone, upright and turned: every window whole on the screen,
// nothing to scroll, the square on the finger, Freeze and Pause from the touch bar, and a name
// typed into the name box after a tap. Screenshots in build-web/screenshots.

import { test, after, before } from "node:test";
import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { openBrowser } from "./browser.mjs";

/** @typedef {import("puppeteer-core").Page} Page */
/** @typedef {{ left: number, top: number, right: number, bottom: number, width: number, height: number }} DOMRectJSON */

const SHOTS = "build-web/screenshots";
mkdirSync(SHOTS, { recursive: true });
const RED = ["rgb(255, 0, 0)", "rgb(128, 255, 255)"];

/** @type {Awaited<ReturnType<typeof openBrowser>>} */
let session;
before(async () => {
  session = await openBrowser();
});
after(async () => {
  await session.close();
});

/** @param {number} ms */
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

/** @param {Page} page @param {string} selector */
async function rectOf(page, selector) {
  const rect = await page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
  return /** @type {DOMRectJSON} */ (rect);
}

/** @param {Page} page @param {string} selector */
async function tap(page, selector) {
  const r = await rectOf(page, selector);
  await page.touchscreen.tap(r.left + r.width / 2, r.top + r.height / 2);
}

// The shown window lies wholly on the screen, and the page cannot scroll.
/** @param {Page} page @param {string} window */
async function assertFitted(page, window) {
  const fit = await page.evaluate((name) => {
    const root = /** @type {Element} */ (document.querySelector(`[data-window="${name}"]`));
    const r = root.getBoundingClientRect();
    const page = /** @type {Element} */ (document.scrollingElement);
    return {
      inside: r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5,
      fills: Math.max(r.width / innerWidth, r.height / innerHeight),
      scrolls: page.scrollWidth > innerWidth || page.scrollHeight > innerHeight,
    };
  }, window);
  assert.ok(fit.inside, `${window} is wholly on the screen`);
  assert.ok(fit.fills > 0.75, `${window} fills the screen one way (${fit.fills})`);
  assert.equal(fit.scrolls, false, "nothing to scroll");
}

// Moves reach the page with its animation frames.
/** @param {Page} page */
const nextFrames = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

// Drags the finger, already down, into the path of a block of one of the colours, a few ticks
// ahead of it (the page answers a touch a frame or two later), until the block is caught.
/** @param {Page} page @param {string[]} colours @param {() => Promise<boolean>} caught */
async function catchBlock(page, colours, caught) {
  const field = await rectOf(page, '[data-name="shpinfo"]');
  const client = await rectOf(page, '[data-window="Form1"] .client');
  const blocks = () =>
    page.$$eval(".shape[data-name^='shpother']", (all) =>
      all.map((e) => ({ colour: getComputedStyle(e).backgroundColor, hidden: e.hasAttribute("hidden"), r: e.getBoundingClientRect().toJSON() })),
    );
  for (let tries = 0; tries < 400; ++tries) {
    const before = await blocks();
    await sleep(50);
    const now = await blocks();
    const i = now.findIndex(
      (b, i) =>
        colours.includes(b.colour) && !b.hidden && b.r.left > field.left + 20 && b.r.right < field.right - 60 &&
        before[i].r.left < b.r.left,
    );
    if (i < 0) continue;
    const { r } = now[i];
    const square = await rectOf(page, '[data-name="shpgreen"]');
    const x = r.left + r.width / 2 + (r.left - before[i].r.left) * 2 - square.width / 2;
    const y = r.top + r.height / 2 + (r.top - before[i].r.top) * 2 - square.height / 2;
    // Not beside a deadly block, unless that is the one wanted.
    const near = (/** @type {{ r: DOMRectJSON }} */ b) => Math.hypot(b.r.left - x, b.r.top - y) < 4 * square.width;
    if (now.some((b) => !colours.includes(b.colour) && RED.includes(b.colour) && near(b))) continue;
    await page.touchscreen.touchMove(x, y);
    await nextFrames(page);
    // Away from the edges, where the rules pull the square back.
    if (y > field.bottom && y + square.height < client.bottom && !(await caught())) {
      const moved = await rectOf(page, '[data-name="shpgreen"]');
      assert.ok(Math.abs(moved.left - x) < 1 && Math.abs(moved.top - y) < 1, "the square's corner on the finger");
    }
    for (let wait = 0; wait < 10; ++wait) {
      if (await caught()) return;
      await sleep(50);
    }
    await park(page);
  }
  assert.fail(`no block in ${colours} was caught`);
}

// Where no block comes: in the info bar at its right end, where the square stays (but not so
// near the title bar that the touch goes to the close box, as a finger's does).
/** @param {{ right: number, top: number, height: number }} bar */
const parking = (bar) => /** @type {const} */ ([bar.right - 6, bar.top + bar.height * 0.35]);

/** @param {Page} page */
async function park(page) {
  await page.touchscreen.touchMove(...parking(await rectOf(page, '[data-name="shpinfo"]')));
  await nextFrames(page);
}

/** @param {Page} page @param {string} name */
const textOf = (page, name) => page.$eval(`[data-name="${name}"]`, (e) => e.textContent);

/** @param {Page} page */
const ticks = (page) => page.evaluate(() => /** @type {any} */ (window).quibbetPace.ticks);

for (const [orientation, width, height] of /** @type {const} */ ([["upright", 390, 844], ["turned", 844, 390]])) {
  test(`a round on a ${width} × ${height} phone held ${orientation}, by touch alone`, async () => {
    const page = await session.browser.newPage();
    /** @type {string[]} */
    const errors = [];
    page.on("pageerror", (e) => errors.push(e.message));
    await page.setViewport({ width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: width > height });
    await page.goto(session.url);
    await page.waitForSelector('[data-window="Form2"]:not([hidden]) [data-name="cmdplay"]');
    await assertFitted(page, "Form2");
    await page.screenshot({ path: `${SHOTS}/phone-${orientation}-menu.png` });

    await tap(page, '[data-name="cmdplay"]');
    await page.waitForSelector('[data-window="Form1"]:not([hidden])');
    await assertFitted(page, "Form1");
    const game = await rectOf(page, '[data-window="Form1"]');
    const keys = await page.$$eval(".touch-bar:not([hidden]) button", (all) =>
      all.map((b) => ({ text: b.textContent, r: b.getBoundingClientRect().toJSON() })),
    );
    assert.deepEqual(keys.map((k) => k.text), ["Freeze", "Pause"]);
    for (const { r } of keys) {
      assert.ok(r.width >= 48 && r.height >= 48, "a finger's size");
      assert.ok(r.left >= game.right || r.top >= game.bottom, "outside the window");
      assert.ok(r.right <= width && r.bottom <= height, "on the screen");
    }

    // The square on the finger from the touch on, then along the drag, parked out of reach in
    // the info bar between the pick-ups.
    const field = await rectOf(page, '[data-name="shpinfo"]');
    await page.touchscreen.touchStart(...parking(field));
    await nextFrames(page);
    const square = await rectOf(page, '[data-name="shpgreen"]');
    assert.ok(Math.abs(square.right - field.right) < 2 && Math.abs(square.top - parking(field)[1]) < 1, "held in the info bar");
    await catchBlock(page, ["rgb(255, 255, 0)"], async () => (await textOf(page, "lblscore")) === "1");
    await park(page);

    await catchBlock(page, ["rgb(0, 0, 255)"], async () => (await page.$('[data-name="lblspacebar"]:not([hidden])')) !== null);
    await park(page);
    await page.touchscreen.touchEnd();
    await tap(page, ".touch-bar button:first-child");
    await page.waitForFunction(() => document.querySelector('[data-name="lblcount"]')?.textContent === "4");
    await page.screenshot({ path: `${SHOTS}/phone-${orientation}-frozen.png` });

    await tap(page, ".touch-bar button:last-child");
    const pausedAt = await ticks(page);
    await sleep(400);
    assert.equal(await ticks(page), pausedAt, "no ticks while paused");
    await tap(page, ".touch-bar button:last-child");
    await page.waitForFunction((from) => /** @type {any} */ (window).quibbetPace.ticks > from, {}, pausedAt);

    await page.touchscreen.touchStart(...parking(field));
    await catchBlock(page, RED, async () => (await page.$('[data-name="cmdsubmit"]:not([hidden])')) !== null);
    await page.touchscreen.touchEnd();
    await assertFitted(page, "Form1");
    await tap(page, '[data-name="txtname"]');
    assert.equal(await page.evaluate(() => document.activeElement?.getAttribute("data-name")), "txtname");
    await page.keyboard.type("Ada");
    await tap(page, '[data-name="cmdsubmit"]');
    await page.waitForSelector("dialog.message[open]");
    await tap(page, "dialog.message button");
    await page.waitForSelector("dialog.message", { hidden: true });
    assert.equal(await page.$eval('[data-name="txtname"]', (e) => /** @type {HTMLInputElement} */ (e).value), "Ada");
    await tap(page, '[data-name="cmdreset"]');
    await page.waitForFunction(() => document.querySelector('[data-name="lblscore"]')?.textContent === "0");
    assert.equal(await textOf(page, "lblhigh"), "1");
    assert.deepEqual(errors, []);
    await page.close();
  });
}
