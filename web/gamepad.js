// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The connected gamepads, read each animation frame only while one is connected, so a page
// without one runs no frame for them. What a pad's stick and buttons do is the game's own rule;
// the page hands over the left stick and a bit per button of the standard layout, and only when
// they changed. With several pads, each button counts from any, the stick from the first.

/** @param {Gamepad[]} pads @returns {[number, number, number]} */
function stateOf(pads) {
  const [x = 0, y = 0] = pads[0]?.axes ?? [];
  let buttons = 0;
  for (const pad of pads) {
    pad.buttons.forEach((button, i) => {
      if (button.pressed && i < 32) buttons |= 1 << i;
    });
  }
  return [x, y, buttons >>> 0];
}

/** @param {(x: number, y: number, buttons: number) => void} read */
export function listenForGamepads(read) {
  let last = "0,0,0";
  let reading = false;
  const poll = () => {
    const pads = /** @type {Gamepad[]} */ ([...navigator.getGamepads()].filter((pad) => pad !== null));
    const state = stateOf(pads);
    if (String(state) !== last) {
      last = String(state);
      read(...state);
    }
    reading = pads.length > 0;
    if (reading) requestAnimationFrame(poll);
  };
  window.addEventListener("gamepadconnected", () => {
    if (!reading) {
      reading = true;
      requestAnimationFrame(poll);
    }
  });
}
