// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Steering with a finger. A fingertip covers what it touches, so a finger on the game window
// moves the square by its own movement, as a trackpad moves a pointer: the square goes where it
// was when the finger came down plus how far the finger has moved since, held to the window,
// wherever on the screen the finger goes. The rules see the mouse pointer there: the page makes
// the pointer movements that put it there. Only the first finger steers, from the moment it
// touches to the moment it lifts; a pen, whose tip is fine, puts the pointer under it as the
// mouse does.

const GAME = "Form1";

/** @param {HTMLElement} desktop */
export const gameField = (desktop) =>
  /** @type {HTMLElement | null} */ (desktop.querySelector(`[data-window="${GAME}"]:not([hidden]) .client`));

/** @param {number} value @param {number} low @param {number} high */
const clamp = (value, low, high) => Math.min(Math.max(value, low), high);

/**
 * Steers by touch; returns whether a pointer is the steering finger.
 * @param {HTMLElement} desktop
 * @returns {(pointerId: number) => boolean}
 */
export function steerByTouch(desktop) {
  /** @type {{ id: number, x: number, y: number, left: number, top: number } | null} */
  let finger = null;

  desktop.addEventListener("pointerdown", (e) => {
    const field = gameField(desktop);
    if (e.pointerType === "mouse" || !e.isPrimary || !field || !(e.target instanceof Node) || !field.contains(e.target)) return;
    // A touch is held by the element it began on; let it go, so that like the mouse it reaches
    // whatever it moves over: the buttons of the game-over screen take their taps.
    const target = /** @type {Element} */ (e.target);
    if (target.hasPointerCapture(e.pointerId)) target.releasePointerCapture(e.pointerId);
    if (e.pointerType !== "touch") {
      field.dispatchEvent(new PointerEvent("pointermove", e));
      return;
    }
    // On the game-over screen there is no square to move.
    const square = field.querySelector('[data-name="shpgreen"]:not([hidden])');
    if (!square) return;
    const at = square.getBoundingClientRect();
    finger = { id: e.pointerId, x: e.clientX, y: e.clientY, left: at.left, top: at.top };
  });

  // Ahead of everything else on the page, so that no finger's own position reaches the window.
  addEventListener(
    "pointermove",
    (e) => {
      if (e.pointerType !== "touch" || !e.isTrusted) return;
      const field = gameField(desktop);
      if (e.pointerId !== finger?.id) {
        // A touch that began off the window does not steer when it comes over it.
        if (field && e.target instanceof Node && field.contains(e.target)) e.stopPropagation();
        return;
      }
      e.stopPropagation();
      if (!field) return;
      const bounds = field.getBoundingClientRect();
      const x = clamp(finger.left + e.clientX - finger.x, bounds.left, bounds.right);
      const y = clamp(finger.top + e.clientY - finger.y, bounds.top, bounds.bottom);
      field.dispatchEvent(new PointerEvent("pointermove", { pointerId: e.pointerId, pointerType: "touch", isPrimary: true, clientX: x, clientY: y }));
    },
    { capture: true },
  );
  /** @param {PointerEvent} e */
  const lift = (e) => {
    if (e.pointerId === finger?.id) finger = null;
  };
  addEventListener("pointerup", lift, { capture: true });
  addEventListener("pointercancel", lift, { capture: true });
  return (pointerId) => pointerId === finger?.id;
}
