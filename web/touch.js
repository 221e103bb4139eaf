// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keys of a round by touch: where the main pointer is a finger, a bar of large buttons
// beside the game window stands in for the keys a round needs, the spacebar (Freeze), P (Pause),
// M (Sound, pressed while sound is on) and C (Symbols, pressed while they are shown), sent to
// the game window as those keys. The bar shows only while a round is in play; on the game-over
// screen its room stays empty, so that the window keeps its size and place from one round to
// the next.

import { gameField } from "./touch_steering.js";
import { watchWindows } from "./window_watch.js";

const KEYS = [
  { caption: "Freeze", key: " ", code: "Space", keyCode: 32 },
  { caption: "Pause", key: "p", code: "KeyP", keyCode: 80 },
  { caption: "Sound", key: "m", code: "KeyM", keyCode: 77, state: "sound" },
  { caption: "Symbols", key: "c", code: "KeyC", keyCode: 67, state: "symbols" },
];

/**
 * Makes the touch bar; returns it. It keeps its room beside the game window on a touch screen.
 * @param {HTMLElement} desktop
 */
export function playByTouch(desktop) {
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
    const field = gameField(desktop);
    const room = coarse.matches && field !== null;
    if (bar.hidden === room) bar.hidden = !room;
    // The square is shown exactly while a round is in play, paused or not.
    const idle = !field?.querySelector('[data-name="shpgreen"]:not([hidden])');
    if (bar.inert !== idle) bar.inert = idle;
  };
  watchWindows(desktop, update);
  new MutationObserver(update).observe(desktop, { subtree: true, attributeFilter: ["hidden"] });
  coarse.addEventListener("change", update);
  return bar;
}
