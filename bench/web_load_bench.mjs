// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's first visit and its cost on a phone, each figure beside its target: the bytes a
// cold load transfers, the time from navigation to the menu's first frame on localhost and
// over 1.6 Mbit/s with 150 ms latency, the same for the visit after (from the offline copy), and
// the share of one core the whole browser uses on a 390 × 844 phone viewport, idle on the menu
// and in play, over ten seconds each. A first visit is a player's: a browser already running
// opens the page with nothing of it kept (a context of its own: no cache, no offline copy, no
// compiled code); each figure the median of five. The same visit in a browser just started,
// which shares the machine with the browser's own start, is reported beside it. Prints a
// Markdown table; exits 1 when a target is missed.

import { readFileSync, readdirSync } from "node:fs";
import { openBrowser } from "../tests/web/browser.mjs";

const RUNS = 5;
const SLOW = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8, uploadThroughput: 0.75e6 / 8 };
const TICKS_PER_SECOND = 100; // the kernel's clock ticks in /proc/PID/stat

/** @param {number[]} values */
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

/**
 * A first visit in a context of its own, then a later one from what it kept.
 * @param {import("puppeteer-core").Browser} browser
 * @param {string} url
 * @param {typeof SLOW | null} network
 */
async function firstVisit(browser, url, network) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Network.enable");
  if (network) await cdp.send("Network.emulateNetworkConditions", network);
  let bytes = 0;
  cdp.on("Network.loadingFinished", (e) => {
    bytes += e.encodedDataLength;
  });
  await page.goto(url);
  const firstFrame = await firstFrameOf(page);
  await page.waitForNetworkIdle({ idleTime: 1000 });
  // A later visit, from the offline copy.
  await page.evaluate(() => navigator.serviceWorker.ready);
  const again = await context.newPage();
  await again.goto(url);
  const laterFrame = await firstFrameOf(again);
  // The offline copy is dropped first: a context closed with its service worker alive can leave
  // the worker behind and DevTools then fails the next call ("Session with given id not found";
  // puppeteer issue 11627).
  await again.evaluate(async () => (await navigator.serviceWorker.getRegistration())?.unregister());
  await context.close();
  return { firstFrame, laterFrame, bytes };
}

/** @param {import("puppeteer-core").Page} page @returns {Promise<number>} */
async function firstFrameOf(page) {
  const mark = await page.waitForFunction(() => performance.getEntriesByName("quibbet-first-frame")[0]?.startTime, {
    timeout: 60000,
  });
  return /** @type {number} */ (await mark.jsonValue());
}

/** @param {typeof SLOW | null} network */
async function visitsInOneBrowser(network) {
  const session = await openBrowser();
  // The browser has settled once it has shown a page.
  const blank = await session.browser.newPage();
  await blank.goto("about:blank");
  await new Promise((done) => setTimeout(done, 1000));
  const visits = [];
  for (let i = 0; i < RUNS; ++i) visits.push(await firstVisit(session.browser, session.url, network));
  await session.close();
  return visits;
}

async function visitInNewBrowser() {
  const session = await openBrowser();
  const page = await session.browser.newPage();
  await page.goto(session.url);
  const firstFrame = await firstFrameOf(page);
  await session.close();
  return firstFrame;
}

// Processor time of a process and all its descendants, in seconds.
/** @param {number} root */
function cpuSeconds(root) {
  /** @type {Map<number, { parent: number, time: number }>} */
  const all = new Map();
  for (const name of readdirSync("/proc").filter((n) => /^\d+$/.test(n))) {
    try {
      const fields = readFileSync(`/proc/${name}/stat`, "utf8").replace(/^.*\) /, "").split(" ");
      all.set(Number(name), { parent: Number(fields[1]), time: Number(fields[11]) + Number(fields[12]) });
    } catch {
      // The process ended meanwhile.
    }
  }
  /** @param {number} pid @returns {number} */
  const total = (pid) =>
    (all.get(pid)?.time ?? 0) + [...all].filter(([, p]) => p.parent === pid).reduce((sum, [child]) => sum + total(child), 0);
  return total(root) / TICKS_PER_SECOND;
}

async function phoneCpu() {
  const session = await openBrowser();
  const page = await session.browser.newPage();
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  await page.goto(session.url);
  await page.waitForSelector('[data-name="cmdplay"]');
  const pid = /** @type {number} */ (session.browser.process()?.pid);
  const share = async () => {
    const start = cpuSeconds(pid);
    await new Promise((done) => setTimeout(done, 10000));
    return (cpuSeconds(pid) - start) / 10;
  };
  const idle = await share();
  await page.click('[data-name="cmdplay"]');
  await page.waitForSelector('[data-window="Form1"]:not([hidden])');
  const bar = await page.$eval('[data-name="shpinfo"]', (e) => e.getBoundingClientRect().toJSON());
  await page.touchscreen.touchStart(bar.right - 6, bar.top + bar.height * 0.35);
  const playing = await share();
  await session.close();
  return { idle, playing };
}

const local = await visitsInOneBrowser(null);
const slow = await visitsInOneBrowser(SLOW);
/** @type {number[]} */
const newBrowser = [];
for (let i = 0; i < RUNS; ++i) newBrowser.push(await visitInNewBrowser());
const cpu = await phoneCpu();

const bytes = Math.max(...local.map((v) => v.bytes));
const localFrame = median(local.map((v) => v.firstFrame));
const slowFrame = median(slow.map((v) => v.firstFrame));
const rows = [
  ["bytes transferred by a first visit (largest of 5)", `${(bytes / 1024).toFixed(1)} KiB`, "≤ 400 KiB", bytes <= 400 * 1024],
  ["first visit to the menu's first frame, localhost (median of 5)", `${localFrame.toFixed(0)} ms`, "≤ 300 ms", localFrame <= 300],
  ["the same over 1.6 Mbit/s, 150 ms latency (median of 5)", `${slowFrame.toFixed(0)} ms`, "≤ 2000 ms", slowFrame <= 2000],
  ["the same in a browser just started, localhost (median of 5)", `${median(newBrowser).toFixed(0)} ms`, "reported", true],
  ["a later visit, from the offline copy, localhost (median of 5)", `${median(local.map((v) => v.laterFrame)).toFixed(0)} ms`, "reported", true],
  ["browser's share of a core on a 390 × 844 phone, menu idle", `${(cpu.idle * 100).toFixed(1)} %`, "reported", true],
  ["the same in play", `${(cpu.playing * 100).toFixed(1)} %`, "reported", true],
];
console.log("| Figure | Measured | Target |\n|---|---|---|");
for (const [what, measured, target, met] of rows) console.log(`| ${what} | ${measured} | ${target}${met ? "" : " **missed**"} |`);
process.exitCode = rows.every((r) => r[3]) ? 0 : 1;
