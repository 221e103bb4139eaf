// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game heard on the page: one AudioContext, made and resumed on the player's first
// gesture as browsers require, and nothing played before it. The module draws the effects with
// the desktop's own synthesiser; they become sound buffers once, then each cue starts a source
// of its own, so effects that overlap are all heard. A hidden page plays nothing.

/** @type {AudioContext | null} */
let context = null;
/** @type {AudioBuffer[]} */
const buffers = [];
/** @type {Set<AudioBufferSourceNode>} */
const sounding = new Set();
// For the page's tests: the cues started, in order.
const started = /** @type {number[]} */ ([]);

/** @param {import("./quibbet-web.d.mts").QuibbetModule} game */
function wake(game) {
  if (!context) {
    context = new AudioContext({ latencyHint: "interactive" });
    const rate = game._quibbet_effect_rate();
    for (let cue = 0; ; ++cue) {
      const start = game._quibbet_effect(cue) >> 1;
      const length = game._quibbet_effect_length();
      if (length === 0) break;
      const buffer = context.createBuffer(1, length, rate);
      const samples = buffer.getChannelData(0);
      for (let i = 0; i < length; ++i) samples[i] = game.HEAP16[start + i] / 32768;
      buffers.push(buffer);
    }
  }
  if (context.state === "suspended") context.resume();
}

/**
 * Listens for the first gesture, after which cues sound.
 * @param {() => import("./quibbet-web.d.mts").QuibbetModule} game
 */
export function listenForGesture(game) {
  for (const type of ["pointerdown", "keydown"]) {
    addEventListener(type, () => wake(game()), { capture: true });
  }
  Object.assign(window, { quibbetSound: { started } });
}

/** @param {number} cue */
export function playCue(cue) {
  if (!context || context.state !== "running" || document.hidden || !buffers[cue]) return;
  const source = new AudioBufferSourceNode(context, { buffer: buffers[cue] });
  source.connect(context.destination);
  source.onended = () => sounding.delete(source);
  sounding.add(source);
  source.start();
  started.push(cue);
}

export function silence() {
  for (const source of sounding) source.stop();
  sounding.clear();
}
