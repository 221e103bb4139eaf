// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads the session's description of a window out of the WebAssembly module, a field at a
// time: the module keeps it, the page only draws it.

/** @typedef {import("./quibbet-web.d.mts").QuibbetModule} QuibbetModule */

// The kinds and fields as the module numbers them.
export const KIND = ["shape", "line", "label", "button", "textbox", "picture"];
export const ROLE = ["sans", "display", "bookman"];
const FIELDS = ["kind", "left", "top", "width", "height", "visible", "role", "points", "weight", "italic",
  "centred", "wrap", "opaque", "back", "fore", "filled", "border", "tab", "button", "symbol", "ink"];
// The symbols that tell blocks apart without colour, as the module numbers them.
export const SYMBOL = ["none", "plus", "cross", "snowflake", "ring", "bar", "diamond"];

/**
 * @typedef {object} Control
 * @property {string} kind
 * @property {string} name
 * @property {string} text
 * @property {number} left @property {number} top @property {number} width @property {number} height
 * @property {boolean} visible
 * @property {string} role @property {number} points @property {number} weight @property {boolean} italic
 * @property {boolean} centred @property {boolean} wrap @property {boolean} opaque
 * @property {number} back -1 for the system's face
 * @property {number} fore @property {boolean} filled @property {number} border
 * @property {number} tab -1 for a control that never takes the focus
 * @property {number} button the rules' number of the button, -1 for none
 * @property {string} symbol over a shape's fill, "none" while symbols are off
 * @property {number} ink the symbol's colour
 */

/**
 * @typedef {object} WindowDescription
 * @property {number} window
 * @property {string} caption
 * @property {number} width @property {number} height
 * @property {number} back
 * @property {Control[]} controls
 */

/** @param {QuibbetModule} game @param {number} w @param {number} i @returns {Control} */
export function readControl(game, w, i) {
  /** @type {Record<string, unknown>} */
  const c = {};
  FIELDS.forEach((field, n) => (c[field] = game._quibbet_field(w, i, n)));
  c.kind = KIND[/** @type {number} */ (c.kind)];
  c.role = ROLE[/** @type {number} */ (c.role)];
  c.symbol = SYMBOL[/** @type {number} */ (c.symbol)];
  for (const flag of ["visible", "italic", "centred", "wrap", "opaque", "filled"]) c[flag] = c[flag] === 1;
  c.name = game.UTF8ToString(game._quibbet_text(w, i, 0));
  c.text = game.UTF8ToString(game._quibbet_text(w, i, 1));
  return /** @type {Control} */ (/** @type {unknown} */ (c));
}

/** @param {QuibbetModule} game @param {number} w @returns {WindowDescription} */
export function readWindow(game, w) {
  const count = game._quibbet_window_field(w, 5);
  return {
    window: w,
    caption: game.UTF8ToString(game._quibbet_caption(w)),
    width: game._quibbet_window_field(w, 0),
    height: game._quibbet_window_field(w, 1),
    back: game._quibbet_window_field(w, 2),
    controls: Array.from({ length: count }, (_, i) => readControl(game, w, i)),
  };
}
