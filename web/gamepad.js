// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A gamepad plays as the keys do: the left stick or the pad holds the arrow keys, the bottom
// face button is the spacebar (a freeze) and Start is P. The pads are read each animation frame
// only while one is connected, so a page without one runs no frame for them.

const LEFT = 37;
const UP = 38;
const RIGHT = 39;
const DOWN = 40;
const SPACE = 32;
const P = 80;
// How far the stick leans before it counts, past a worn stick's drift.
const LEAN = 0.5;

// The keys a pad holds down now, by the standard mapping's buttons and axes.
/** @param {Gamepad} pad */
function keysOf(pad) {
  const [x = 0, y = 0] = pad.axes;
  const pressed = (/** @type {number} */ i) => pad.buttons[i]?.pressed ?? false;
  /** @type {Array<[boolean, number]>} */
  const keys = [
    [x < -LEAN || pressed(14), LEFT],
    [y < -LEAN || pressed(12), UP],
    [x > LEAN || pressed(15), RIGHT],
    [y > LEAN || pressed(13), DOWN],
    [pressed(0), SPACE],
    [pressed(9), P],
  ];
  return keys.filter(([down]) => down).map(([, code]) => code);
}

/** @param {(code: number) => void} press @param {(code: number) => void} release */
export function listenForGamepads(press, release) {
  /** @type {Set<number>} */
  const held = new Set();
  let reading = false;
  const read = () => {
    const pads = [...navigator.getGamepads()].filter((pad) => pad !== null);
    const now = new Set(pads.flatMap((pad) => keysOf(/** @type {Gamepad} */ (pad))));
    for (const code of held) {
      if (!now.has(code)) {
        held.delete(code);
        release(code);
      }
    }
    for (const code of now) {
      if (!held.has(code)) {
        held.add(code);
        press(code);
      }
    }
    reading = pads.length > 0;
    if (reading) requestAnimationFrame(read);
  };
  window.addEventListener("gamepadconnected", () => {
    if (!reading) {
      reading = true;
      requestAnimationFrame(read);
    }
  });
}
