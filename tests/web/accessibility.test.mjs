// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page as a screen reader and the keyboard meet it: no positive tab index, the close box
// within reach of Tab, the name box named by its label, and the final score and the entry into
// the table announced.

import { test } from "node:test";
import assert from "node:assert/strict";
import { openBrowser } from "./browser.mjs";
import { RED, catchBlock, lift, park } from "./touch_play.mjs";

/** @typedef {import("puppeteer-core").Page} Page */

/** @param {Page} page */
const positiveTabIndexes = (page) => page.$$eval("[tabindex]", (all) => all.filter((e) => Number(e.getAttribute("tabindex")) > 0).length);

/** @param {Page} page @param {RegExp} text */
const announced = (page, text) =>
  page.waitForFunction((t) => new RegExp(t).test(document.getElementById("announcer")?.textContent ?? ""), {}, text.source);

test("the keyboard reaches every control and close box; the name box is named; the end of a round is announced", async (t) => {
  const session = await openBrowser();
  t.after(session.close);
  const page = await session.browser.newPage();
  await page.setViewport({ width: 1000, height: 720, hasTouch: true });
  await page.goto(session.url);
  // A table any score enters.
  const low = { format: 1, table: [1, 2, 3, 4, 5].map((n) => ({ name: `Low ${n}`, score: 0 })) };
  await page.evaluate((t) => localStorage.setItem("quibbet/high-scores.json", t), JSON.stringify(low));
  await page.reload();
  await page.waitForSelector('[data-name="cmdplay"]');
  assert.equal(await positiveTabIndexes(page), 0);
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), "Play");
  // Back from Play to the window's close box.
  await page.keyboard.down("Shift");
  await page.keyboard.press("Tab");
  await page.keyboard.up("Shift");
  assert.equal(await page.evaluate(() => document.activeElement?.getAttribute("aria-label")), "Close");

  await page.click('[data-name="cmdplay"]');
  await page.waitForSelector('[data-window="Form1"]:not([hidden])');
  await park(page);
  await catchBlock(page, RED, async () => (await page.$('[data-name="cmdsubmit"]:not([hidden])')) !== null);
  await lift(page);
  await announced(page, /^Final score: \d+$/);
  assert.equal(await positiveTabIndexes(page), 0);

  const name = await page.$('[data-name="txtname"]');
  const node = await page.accessibility.snapshot({ root: name ?? undefined });
  assert.deepEqual([node?.role, node?.name], ["textbox", "Enter Name:"]);
  await page.keyboard.type("Ada");
  await page.keyboard.press("Tab");
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), "Submit Score", "the controls in their tab order");
  await page.keyboard.press("Enter");
  await announced(page, /^Score entered in the high scores at 1\.$/);
});
