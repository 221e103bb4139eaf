// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A player's finger on the page: taps, and the square steered into the path of a block. The
// finger moves the square by its own movement, so each steer puts it down afresh and moves it as
// far as the square is to go.

import assert from "node:assert/strict";

/** @typedef {import("puppeteer-core").Page} Page */
/** @typedef {{ left: number, top: number, right: number, bottom: number, width: number, height: number }} DOMRectJSON */

// A red block, and one in the frozen colour.
export const RED = ["rgb(255, 0, 0)", "rgb(128, 255, 255)"];

/** @param {number} ms */
export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

/** @param {Page} page @param {string} selector */
export async function rectOf(page, selector) {
  const rect = await page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
  return /** @type {DOMRectJSON} */ (rect);
}

/** @param {Page} page @param {string} selector */
export async function tap(page, selector) {
  const r = await rectOf(page, selector);
  await page.touchscreen.tap(r.left + r.width / 2, r.top + r.height / 2);
}

// Moves reach the page with its animation frames.
/** @param {Page} page */
export const nextFrames = (page) => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

// Drags the finger, already down, into the path of a block of one of the colours, a few ticks
// ahead of it (the page answers a touch a frame or two later), until the block is caught.
/** @param {Page} page @param {string[]} colours @param {() => Promise<boolean>} caught */
export async function catchBlock(page, colours, caught) {
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
    await steer(page, x, y);
    // Away from the edges, where the rules pull the square back, its corner comes to the finger
    // (unless the block it met ended the round and hid it).
    if (y > field.bottom && y + square.height < client.bottom) {
      await page.waitForFunction(
        (to) => {
          const moved = /** @type {HTMLElement} */ (document.querySelector('[data-name="shpgreen"]'));
          const at = moved.getBoundingClientRect();
          return moved.hidden || (Math.abs(at.left - to[0]) < 1 && Math.abs(at.top - to[1]) < 1);
        },
        { timeout: 5000 },
        [x, y],
      );
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
export const parking = (bar) => /** @type {const} */ ([bar.right - 6, bar.top + bar.height * 0.35]);

// The pages with a finger down.
/** @type {WeakSet<Page>} */
const down = new WeakSet();

/** @param {Page} page */
export async function lift(page) {
  if (down.delete(page)) await page.touchscreen.touchEnd();
}

// Moves the square's corner to (x, y) by a finger put down and dragged, both over the game
// window: the drag is centred on the window, away from every control, and stays on it.
/** @param {Page} page @param {number} x @param {number} y */
export async function steer(page, x, y) {
  const square = await rectOf(page, '[data-name="shpgreen"]');
  const client = await rectOf(page, '[data-window="Form1"] .client');
  const by = [x - square.left, y - square.top];
  const centre = [client.left + client.width / 2, client.top + client.height / 2];
  // Measured first, so that the finger is up for as short a time as can be.
  await lift(page);
  await page.touchscreen.touchStart(centre[0] - by[0] / 2, centre[1] - by[1] / 2);
  down.add(page);
  await page.touchscreen.touchMove(centre[0] + by[0] / 2, centre[1] + by[1] / 2);
}

/** @param {Page} page */
export async function park(page) {
  await steer(page, ...parking(await rectOf(page, '[data-name="shpinfo"]')));
  await nextFrames(page);
}

/** @param {Page} page @param {string} name */
export const textOf = (page, name) => page.$eval(`[data-name="${name}"]`, (e) => e.textContent);
