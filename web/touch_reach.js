// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Controls within a fingertip's reach. The windows keep their designed layout, drawn smaller on
// a small screen, where a button or a close box can be much smaller than a fingertip. So where
// the main pointer is coarse, every control takes the taps on a square of at least REACH CSS
// pixels around its centre (its own face where that is larger), and a tap that misses every
// face goes to the control whose face is nearest among those within reach, as a tap on it
// would. The controls look as designed; the faces themselves keep their taps, and a finger that
// steers the square is no tap, wherever it lifts.

const REACH = 44;
// A touch that moves further is a drag or steering, not a tap.
const SLOP = 10;
const CONTROLS = "button, input";

/** @param {DOMRect} r @param {number} x @param {number} y */
function withinReach(r, x, y) {
  const width = Math.max(r.width, REACH);
  const height = Math.max(r.height, REACH);
  return Math.abs(x - (r.left + r.width / 2)) <= width / 2 && Math.abs(y - (r.top + r.height / 2)) <= height / 2;
}

/** @param {DOMRect} r @param {number} x @param {number} y */
const distance = (r, x, y) => Math.hypot(Math.max(r.left - x, 0, x - r.right), Math.max(r.top - y, 0, y - r.bottom));

// An open message box holds every tap, as it holds the windows. Controls out of sight are in a
// hidden window (drawn nowhere) or in the touch bar while it is idle (inert).
/** @param {number} x @param {number} y */
function nearestControl(x, y) {
  const scope = document.querySelector("dialog[open]") ?? document;
  /** @type {HTMLElement | null} */
  let nearest = null;
  let best = Infinity;
  for (const control of scope.querySelectorAll(CONTROLS)) {
    if (!(control instanceof HTMLElement) || control.closest("[inert]") || control.getClientRects().length === 0) continue;
    const r = control.getBoundingClientRect();
    const d = distance(r, x, y);
    if (d < best && withinReach(r, x, y)) {
      nearest = control;
      best = d;
    }
  }
  return nearest;
}

/** @param {(pointerId: number) => boolean} steers */
export function reachByTouch(steers) {
  const coarse = matchMedia("(pointer: coarse)");
  /** @type {{ id: number, x: number, y: number, control: HTMLElement } | null} */
  let tap = null;
  const options = { capture: true };
  // Every touch starts afresh, also one that a title bar takes for a drag.
  addEventListener("pointerdown", () => (tap = null), options);
  // After the page's own handlers, so that a finger on the game window is already steering.
  addEventListener("pointerdown", (e) => {
    if (!coarse.matches || e.pointerType === "mouse" || !e.isPrimary || steers(e.pointerId)) return;
    if (e.target instanceof Element && e.target.closest(CONTROLS)) return;
    const control = nearestControl(e.clientX, e.clientY);
    if (control) tap = { id: e.pointerId, x: e.clientX, y: e.clientY, control };
  });
  addEventListener(
    "pointermove",
    (e) => {
      if (e.pointerId === tap?.id && Math.hypot(e.clientX - tap.x, e.clientY - tap.y) > SLOP) tap = null;
    },
    options,
  );
  addEventListener("pointercancel", () => (tap = null), options);
  // On the tap's click, after the browser's own choice of target: one that has already found a
  // control keeps it, so no tap acts twice.
  addEventListener(
    "click",
    (e) => {
      const control = tap?.control;
      tap = null;
      if (!control || (e.target instanceof Element && e.target.closest(CONTROLS))) return;
      control.focus({ preventScroll: true });
      if (!(control instanceof HTMLInputElement)) control.click();
    },
    options,
  );
}
