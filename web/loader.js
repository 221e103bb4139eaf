// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's entry: the notice says the game is loading until its first frame is drawn; if a
// part of it cannot be fetched, the notice says so and offers to try again. The windows are
// fitted to the screen, made playable by touch, their controls given a fingertip's reach, and
// announced to screen readers from the start, and the site is kept for offline use after the
// first visit.

import { fitToViewport } from "./fit.js";
import { playByTouch } from "./touch.js";
import { steerByTouch } from "./touch_steering.js";
import { reachByTouch } from "./touch_reach.js";
import { describeForScreenReaders } from "./accessible.js";

// The game's module, compiled while the game's code is still on its way. A host that sends it
// under another type than WebAssembly's is still served, compiled once it is all in.
const compiled = fetch("quibbet-web.wasm").then(async (response) => {
  if (!response.ok) throw new Error(`quibbet-web.wasm: HTTP ${response.status}`);
  if (response.headers.get("Content-Type") === "application/wasm") return WebAssembly.compileStreaming(response);
  return WebAssembly.compile(await response.arrayBuffer());
});

const desktop = /** @type {HTMLElement} */ (document.getElementById("desktop"));
const notice = /** @type {HTMLElement} */ (document.getElementById("notice"));

const steers = steerByTouch(desktop);
const bar = playByTouch(desktop);
reachByTouch(steers);
fitToViewport(desktop, bar);
describeForScreenReaders(desktop);

try {
  const { play } = await import("./main.js");
  await play(compiled);
  notice.remove();
  // Only now, so that filling the offline copy never delays the first frame. The page plays as
  // well without it, so a refusal (a private window, a plain-HTTP host) is no fault.
  navigator.serviceWorker?.register("sw.js").catch(() => {});
} catch {
  const message = /** @type {HTMLElement} */ (notice.querySelector("p"));
  message.textContent = "Quibbet could not be loaded. Check the connection, then try again.";
  const retry = /** @type {HTMLButtonElement} */ (notice.querySelector("button"));
  retry.hidden = false;
  retry.addEventListener("click", () => location.reload());
  retry.focus();
}
