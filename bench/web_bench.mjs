// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web page's figures, each beside its target: the size of the page's own code (JavaScript
// and WebAssembly, gzip-compressed), the time from navigation to the menu's first frame in
// headless Chromium (median of 10 loads from a server on localhost), the page's work on an idle
// menu, ten seconds of the pace of play and the page's work in it. Prints a Markdown table;
// exits 1 when a target is missed.

import { readdirSync, readFileSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { join } from "node:path";
import { openBrowser, SITE } from "../tests/web/browser.mjs";

/** @param {number[]} values @param {number} q */
function quantile(values, q) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
}

// A smoke run (CI's) measures briefly and holds no target: it fails only when the page breaks.
const SMOKE = process.env.QUIBBET_BENCH_SMOKE === "1";
const VISITS = SMOKE ? 2 : 11;
const SECONDS = SMOKE ? 1 : 10;

const code = readdirSync(SITE).filter((f) => /\.(m?js|wasm)$/.test(f));
const gzipBytes = code.reduce((sum, f) => sum + gzipSync(readFileSync(join(SITE, f)), { level: 9 }).length, 0);

const session = await openBrowser();
/** @type {number[]} */
const firstFrames = [];
for (let i = 0; i < VISITS; ++i) {
  const page = await session.browser.newPage();
  await page.goto(session.url);
  const at = await page.waitForFunction(() => performance.getEntriesByName("quibbet-first-frame")[0]?.startTime);
  // The first load fills the browser's caches, as any visit after the first finds them.
  if (i > 0) firstFrames.push(/** @type {number} */ (await at.jsonValue()));
  await page.close();
}

// The share of a core the page's main thread spends working (tasks: script, style, layout,
// paint) over the given seconds.
/** @param {import("puppeteer-core").Page} p @param {number} seconds */
async function busyShare(p, seconds) {
  const before = await p.metrics();
  await new Promise((done) => setTimeout(done, seconds * 1000));
  const after = await p.metrics();
  return (/** @type {number} */ (after.TaskDuration) - /** @type {number} */ (before.TaskDuration)) / seconds;
}

const page = await session.browser.newPage();
await page.goto(session.url);
await page.waitForSelector('[data-name="cmdplay"]');
await new Promise((done) => setTimeout(done, 1000));
const idleMenu = await busyShare(page, SECONDS);
await page.click('[data-name="cmdplay"]');
await page.waitForSelector('[data-window="Form1"]:not([hidden])');
// The square in the info bar, out of every block's reach.
const info = await page.$eval('[data-name="shpinfo"]', (e) => e.getBoundingClientRect().toJSON());
await page.mouse.move(info.left + 10, info.top + 10);
const start = await page.evaluate(() => ({ ticks: /** @type {any} */ (window).quibbetPace.ticks, time: performance.now() }));
await new Promise((done) => setTimeout(done, SECONDS * 1000));
const end = await page.evaluate(() => ({ ticks: /** @type {any} */ (window).quibbetPace.ticks, time: performance.now() }));
const inPlay = await busyShare(page, SECONDS);
/** @type {number[]} */
const frames = await page.evaluate((from, to) => /** @type {any} */ (window).quibbetPace.frames.filter((/** @type {number} */ t) => t >= from && t <= to), start.time, end.time);
await session.close();

const rate = (end.ticks - start.ticks) / ((end.time - start.time) / 1000);
const intervals = frames.slice(1).map((t, i) => t - frames[i]);
const firstFrame = quantile(firstFrames, 0.5);
const rows = [
  ["page's code, gzip-compressed", `${(gzipBytes / 1024).toFixed(1)} KiB`, "≤ 120 KiB", gzipBytes <= 120 * 1024],
  ["navigation to the menu's first frame (median of 10)", `${firstFrame.toFixed(0)} ms`, "≤ 500 ms", firstFrame <= 500],
  ["pace over 10 s of play", `${rate.toFixed(2)} ticks/s`, "62.5 ± 0.5", Math.abs(rate - 62.5) <= 0.5],
  ["main thread busy on an idle menu (10 s)", `${(idleMenu * 100).toFixed(2)} % of a core`, "≤ 0.5 %", idleMenu <= 0.005],
  ["main thread busy in play (10 s)", `${(inPlay * 100).toFixed(1)} % of a core`, "reported", true],
  ["tick intervals as the page sees them: median, 99th percentile", `${quantile(intervals, 0.5).toFixed(1)} ms, ${quantile(intervals, 0.99).toFixed(1)} ms`, "reported", true],
];
console.log("| Figure | Measured | Target |\n|---|---|---|");
for (const [what, measured, target, met] of rows) console.log(`| ${what} | ${measured} | ${target}${met ? "" : " **missed**"} |`);
process.exitCode = SMOKE || rows.every((r) => r[3]) ? 0 : 1;
