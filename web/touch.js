// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Play by touch. The first finger on the game window steers the square as the mouse pointer
// does, from the moment it touches to the moment it lifts, and a second finger does not: its touch and its movements reach the window as
// pointer movements, through the same handler and so the same rule. Where the main pointer is a
// finger, a bar of large buttons beside the window stands in for the keys a round needs, the
// spacebar (Freeze), P (Pause), M (Sound, pressed while sound is on) and C (Symbols, pressed
// while they are shown), sent to the game window as those keys.

import { watchWindows } from "./window_watch.js";

const GAME = "Form1";
const KEYS = [
  { caption: "Freeze", key: " ", code: "Space", keyCode: 32 },
  { caption: "Pause", key: "p", code: "KeyP", keyCode: 80 },
  { caption: "Sound", key: "m", code: "KeyM", keyCode: 77, state: "sound" },
  { caption: "Symbols", key: "c", code: "KeyC", keyCode: 67, state: "symbols" },
];

/** @param {HTMLElement} desktop */
const gameField = (desktop) =>
  /** @type {HTMLElement | null} */ (desktop.querySelector(`[data-window="${GAME}"]:not([hidden]) .client`));

/**
 * Steers by touch and makes the touch bar; returns the bar, shown while a round can be played
 * on a touch screen.
 * @param {HTMLElement} desktop
 */
export function playByTouch(desktop) {
  desktop.addEventListener("pointerdown", (e) => {
    const field = gameField(desktop);
    if (e.pointerType === "mouse" || !e.isPrimary || !field || !(e.target instanceof Node) || !field.contains(e.target)) return;
    // A touch is held by the element it began on; let it go, so that like the mouse it reaches
    // whatever it moves over, and the field sees it only while over the field.
    const target = /** @type {Element} */ (e.target);
    if (target.hasPointerCapture(e.pointerId)) target.releasePointerCapture(e.pointerId);
    field.dispatchEvent(new PointerEvent("pointermove", e));
  });
  // No long-press menu over the windows.
  desktop.addEventListener("contextmenu", (e) => e.preventDefault());

  const bar = document.createElement("nav");
  bar.className = "touch-bar";
  bar.setAttribute("aria-label", "Game keys");
  bar.hidden = true;
  for (const { caption, state, ...key } of KEYS) {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = caption;
    const press = () => {
      const field = gameField(desktop);
      if (!field) return;
      // The keys belong to the game window; the tap must not leave the focus on the bar.
      field.focus({ preventScroll: true });
      field.dispatchEvent(new KeyboardEvent("keydown", { ...key, bubbles: true, cancelable: true }));
      field.dispatchEvent(new KeyboardEvent("keyup", { ...key, bubbles: true, cancelable: true }));
    };
    // On the touch itself, so that a second finger works while the first steers; a click
    // without a pointer is the keyboard's.
    button.addEventListener("pointerdown", (e) => {
      e.preventDefault();
      press();
    });
    button.addEventListener("click", (e) => {
      if (e.detail === 0) press();
    });
    if (state) {
      // Pressed while the choice is on; main.js marks the body with its state.
      const press = () => button.setAttribute("aria-pressed", String(document.body.dataset[state] === "on"));
      new MutationObserver(press).observe(document.body, { attributes: true, attributeFilter: [`data-${state}`] });
      press();
    }
    bar.append(button);
  }
  document.body.append(bar);

  const coarse = matchMedia("(pointer: coarse)");
  const update = () => {
    const show = coarse.matches && gameField(desktop) !== null;
    if (bar.hidden === show) bar.hidden = !show;
  };
  watchWindows(desktop, update);
  coarse.addEventListener("change", update);
  return bar;
}
