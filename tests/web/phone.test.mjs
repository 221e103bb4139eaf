// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on a phone, by touch alone, upright and turned: every window whole on the screen,
// also after turning the phone, nothing to scroll, every button within a fingertip's reach, the
// windows dragged by their title bars, the square moved by the finger's movement, Freeze, Pause,
// Sound and Symbols from the touch bar (Pause by a second finger too) and the bar gone once the
// round is over, and a name typed into the name box after a tap. Screenshots in
// build-web/screenshots.

import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdirSync } from "node:fs";
import { openBrowser } from "./browser.mjs";
import { RED, catchBlock, lift, nextFrames, park, parking, rectOf, sleep, tap, textOf } from "./touch_play.mjs";

/** @typedef {import("puppeteer-core").Page} Page */

const SHOTS = "build-web/screenshots";
mkdirSync(SHOTS, { recursive: true });

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

// Which button each tap at the points reaches, the taps kept from acting.
/** @param {Page} page @param {Array<[number, number]>} points */
async function reached(page, points) {
  await page.evaluate(() => {
    const log = /** @type {string[]} */ ([]);
    /** @param {Event} e */
    const probe = (e) => {
      const button = e.target instanceof Element ? e.target.closest("button") : null;
      if (!button) return;
      log.push(button.dataset.name ?? button.className);
      e.stopPropagation();
    };
    addEventListener("click", probe, { capture: true });
    Object.assign(window, { reachProbe: { log, stop: () => removeEventListener("click", probe, { capture: true }) } });
  });
  for (const point of points) await page.touchscreen.tap(...point);
  return page.evaluate(() => {
    const { log, stop } = /** @type {any} */ (window).reachProbe;
    stop();
    return log;
  });
}

/** @param {Page} page */
const ticks = (page) => page.evaluate(() => /** @type {any} */ (window).quibbetPace.ticks);

for (const [orientation, width, height] of /** @type {const} */ ([["upright", 390, 844], ["turned", 844, 390]])) {
  test(`a round on a ${width} × ${height} phone held ${orientation}, by touch alone`, async (t) => {
    const session = await openBrowser();
    t.after(session.close);
    const page = await session.browser.newPage();
    /** @type {string[]} */
    const errors = [];
    page.on("pageerror", (e) => errors.push(e.message));
    await page.setViewport({ width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: width > height });
    await page.goto(session.url);
    await page.waitForSelector('[data-window="Form2"]:not([hidden]) [data-name="cmdplay"]');
    await assertFitted(page, "Form2");
    await page.screenshot({ path: `${SHOTS}/phone-${orientation}-menu.png` });

    // The close box and the menu's buttons, drawn far smaller than a fingertip, take a tap
    // anywhere in 44 px around their centres, on the screen and short of a nearer button; a tap
    // between two buttons goes to the nearer one.
    const close = await rectOf(page, '[data-window="Form2"] .close');
    const [cx, cy] = [close.left + close.width / 2, close.top + close.height / 2];
    const around = [[-21, -21], [-21, 21], [0, -21], [0, 21], [21, 0]].map(([dx, dy]) =>
      /** @type {[number, number]} */ ([Math.min(Math.max(cx + dx, 0), width - 1), Math.min(Math.max(cy + dy, 0), height - 1)]),
    );
    assert.deepEqual(await reached(page, around), around.map(() => "close"));
    const menu = await page.$$eval('[data-window="Form2"] .button', (all) => all.map((b) => b.getBoundingClientRect().toJSON()));
    const [play, howto] = menu;
    const last = menu[menu.length - 1];
    const edges = /** @type {Array<[number, number]>} */ ([
      [play.left + 4, play.top + play.height / 2 - 21],
      [howto.left + 4, play.bottom + 2],
      [howto.left + 4, howto.top - 2],
      [last.right - 4, last.top + last.height / 2 + 21],
    ]);
    assert.deepEqual(await reached(page, edges), ["cmdplay", "cmdplay", "cmdhowto", "cmdexit"]);

    await tap(page, '[data-name="cmdplay"]');
    await page.waitForSelector('[data-window="Form1"]:not([hidden])');
    await assertFitted(page, "Form1");
    const game = await rectOf(page, '[data-window="Form1"]');
    const keys = await page.$$eval(".touch-bar:not([hidden]) button", (all) =>
      all.map((b) => ({ text: b.textContent, r: b.getBoundingClientRect().toJSON() })),
    );
    assert.deepEqual(keys.map((k) => k.text), ["Freeze", "Pause", "Sound", "Symbols"]);
    for (const { r } of keys) {
      assert.ok(r.width >= 48 && r.height >= 48, "a finger's size");
      assert.ok(r.left >= game.right || r.top >= game.bottom, "outside the window");
      assert.ok(r.right <= width && r.bottom <= height, "on the screen");
    }

    // The square keeps its place when a finger touches the window, then moves as far as the
    // finger does, wherever the finger is; it is parked out of reach in the info bar between the
    // pick-ups.
    const client = await rectOf(page, '[data-window="Form1"] .client');
    const start = await rectOf(page, '[data-name="shpgreen"]');
    const finger = /** @type {const} */ ([client.left + client.width * 0.3, client.top + client.height * 0.7]);
    await page.touchscreen.touchStart(...finger);
    await nextFrames(page);
    assert.deepEqual(await rectOf(page, '[data-name="shpgreen"]'), start, "not to the finger");
    await page.touchscreen.touchMove(finger[0] - 40, finger[1] + 30);
    await nextFrames(page);
    const moved = await rectOf(page, '[data-name="shpgreen"]');
    assert.ok(Math.abs(moved.left - start.left + 40) < 1 && Math.abs(moved.top - start.top - 30) < 1, "by the finger's movement");
    await page.touchscreen.touchEnd();
    const field = await rectOf(page, '[data-name="shpinfo"]');
    await park(page);
    const square = await rectOf(page, '[data-name="shpgreen"]');
    assert.ok(Math.abs(square.right - field.right) < 2 && Math.abs(square.top - parking(field)[1]) < 1, "held in the info bar");
    await catchBlock(page, ["rgb(255, 255, 0)"], async () => (await textOf(page, "lblscore")) === "1");
    await park(page);

    await catchBlock(page, ["rgb(0, 0, 255)"], async () => (await page.$('[data-name="lblspacebar"]:not([hidden])')) !== null);
    await park(page);
    await lift(page);
    await tap(page, ".touch-bar button:first-child");
    await page.waitForFunction(() => document.querySelector('[data-name="lblcount"]')?.textContent === "4");
    await page.screenshot({ path: `${SHOTS}/phone-${orientation}-frozen.png` });

    await tap(page, ".touch-bar button:nth-child(2)");
    const pausedAt = await ticks(page);
    await sleep(400);
    assert.equal(await ticks(page), pausedAt, "no ticks while paused");
    await tap(page, ".touch-bar button:nth-child(2)");
    await page.waitForFunction((from) => /** @type {any} */ (window).quibbetPace.ticks > from, {}, pausedAt);

    // Sound: pressed while on, and a tap turns it off and on; Symbols likewise, off at first.
    const pressed = (/** @type {string} */ button) => page.$eval(button, (b) => b.getAttribute("aria-pressed"));
    const sound = ".touch-bar button:nth-child(3)";
    assert.equal(await pressed(sound), "true");
    await tap(page, sound);
    assert.equal(await pressed(sound), "false");
    await tap(page, sound);
    assert.equal(await pressed(sound), "true");
    const symbols = ".touch-bar button:last-child";
    assert.equal(await pressed(symbols), "false");
    await tap(page, symbols);
    assert.equal(await pressed(symbols), "true");
    assert.equal(await page.$eval('[data-name="shpgreen"]', (e) => /** @type {HTMLElement} */ (e).dataset.symbol), "diamond");

    // A second finger on Pause pauses while the first steers, and does not move the square.
    const cdp = await page.createCDPSession();
    const steering = { x: parking(field)[0], y: parking(field)[1], id: 1 };
    const pause = await rectOf(page, ".touch-bar button:nth-child(2)");
    const second = { x: pause.left + pause.width / 2, y: pause.top + pause.height / 2, id: 2 };
    await cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [steering] });
    await nextFrames(page);
    const held = await rectOf(page, '[data-name="shpgreen"]');
    await cdp.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [steering, second] });
    await cdp.send("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: [steering, { ...second, x: second.x - 30 }] });
    await nextFrames(page);
    const twoFingers = await ticks(page);
    await sleep(300);
    assert.equal(await ticks(page), twoFingers, "paused by the second finger");
    assert.deepEqual(await rectOf(page, '[data-name="shpgreen"]'), held, "the square stays with the first finger");
    await cdp.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
    await tap(page, ".touch-bar button:nth-child(2)");

    await park(page);
    await catchBlock(page, RED, async () => (await page.$('[data-name="cmdsubmit"]:not([hidden])')) !== null);
    await lift(page);
    await assertFitted(page, "Form1");
    assert.equal(await page.$eval(".touch-bar", (b) => b.checkVisibility({ visibilityProperty: true })), false, "no touch bar on the game-over screen");
    await page.screenshot({ path: `${SHOTS}/phone-${orientation}-over.png` });
    assert.deepEqual(await rectOf(page, '[data-window="Form1"]'), game, "the window where it was in play");
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

    // Turned the other way mid-round, the window fits again at once.
    await page.setViewport({ width: height, height: width, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: height > width });
    await nextFrames(page);
    await assertFitted(page, "Form1");

    // A title bar drags its window by touch, though it is thinner than a fingertip.
    const at = await rectOf(page, '[data-window="Form1"]');
    const caption = await rectOf(page, '[data-window="Form1"] .titlebar h2');
    await page.touchscreen.touchStart(caption.left + 20, caption.top + caption.height / 2);
    await page.touchscreen.touchMove(caption.left + 50, caption.top + caption.height / 2 + 40);
    await page.touchscreen.touchEnd();
    const dragged = await rectOf(page, '[data-window="Form1"]');
    assert.ok(Math.abs(dragged.left - at.left - 30) < 1 && Math.abs(dragged.top - at.top - 40) < 1, "dragged by its title bar");
    assert.deepEqual(errors, []);
  });
}
