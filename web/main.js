// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: starts the session in WebAssembly, hands it the player's clicks, pointer movements,
// keys and typing, and after each brings the windows in line with what the session says
// changed. Animation frames run only while a round is in play: an idle menu, help window,
// game-over screen or paused round costs nothing.

import createQuibbet from "./quibbet-web.mjs";
import { showMessageBox } from "./message_box.js";
import { WindowView } from "./window_view.js";
import { readControl, readWindow } from "./description.js";
import { listenForGesture, playCue, silence } from "./sound.js";
import { listenForGamepads } from "./gamepad.js";
import { onTableChanged, underTableLock } from "./table_lock.js";

const WINDOWS = ["Form1", "Form2", "frmhelp"];
const TITLE_BAND = "menu-title.png";
const YES = 6;

const desktop = /** @type {HTMLElement} */ (document.getElementById("desktop"));

// The page's message box cannot make the rules wait: it shows the box and the rules go on as if
// the answer that changes nothing was given. An answer that changes something is given before
// the same input is taken again.
/** @type {Promise<number> | null} */
let asked = null;
/** @type {import("./quibbet-web.d.mts").QuibbetModule} */
let game;

/** @type {Map<number, WindowView>} */
const views = new Map();
// While a message box is open, the rules take no other event.
let busy = false;
// Focus moved by the page itself is not the player's.
let syncing = false;
let frameDue = false;
// Counts every tick the page has run and when, for the pace checks of the tests.
const pace = { ticks: 0, frames: /** @type {number[]} */ ([]) };

/** @param {() => void} input */
async function deliver(input) {
  if (busy) return;
  input();
  sync();
  while (asked) {
    busy = true;
    const answer = await asked;
    asked = null;
    busy = false;
    if (answer === YES) {
      game._quibbet_answer_next(answer);
      input();
      sync();
    }
  }
  schedule();
}

// While an input that submits a score waits for the table's lock, the inputs after it wait
// behind it, and are taken in order once it is done.
/** @type {Array<() => void> | null} */
let behind = null;

/** @param {() => void} input @param {boolean} [submits] */
function enter(input, submits = false) {
  if (behind) {
    behind.push(() => enter(input, submits));
    return;
  }
  if (!submits) {
    input();
    return;
  }
  behind = [];
  underTableLock(input).then(() => {
    const waited = /** @type {Array<() => void>} */ (behind);
    behind = null;
    for (const next of waited) next();
  });
}

/** @param {number} w */
function eventsFor(w) {
  return {
    /** @param {number} button */
    click: (button) => enter(() => deliver(() => game._quibbet_click(button)), game._quibbet_submits(button) === 1),
    close: () => enter(() => deliver(() => game._quibbet_close(w))),
    /** @param {number} x @param {number} y */
    pointer: (x, y) =>
      enter(() => {
        if (busy) return;
        game._quibbet_pointer(x, y);
        sync();
      }),
    /** @param {KeyboardEvent} e */
    key: (e) => {
      if (busy || !game._quibbet_takes_key(w, e.keyCode)) return;
      e.preventDefault();
      const code = e.keyCode;
      const repeat = e.repeat ? 1 : 0;
      enter(() => deliver(() => game._quibbet_key(w, code, repeat)), game._quibbet_key_submits(w, code) === 1);
    },
    /** @param {string} text */
    typed: (text) => enter(() => deliver(() => game.ccall("quibbet_name_typed", null, ["string"], [text]))),
    /** @param {number} index */
    focus: (index) => {
      if (syncing) return;
      enter(() => {
        if (busy) return;
        game._quibbet_focus(w, index);
        sync();
      });
    },
  };
}

/** @param {number} w */
function createView(w) {
  const view = new WindowView(WINDOWS[w], readWindow(game, w), eventsFor(w), TITLE_BAND);
  view.generation = game._quibbet_generation(w);
  desktop.append(view.root);
  views.set(w, view);
  return view;
}

/** @param {number} w @param {number} state */
function syncState(w, state) {
  let view = views.get(w);
  if (view && (state === 0 || view.generation !== game._quibbet_generation(w))) {
    view.root.remove();
    views.delete(w);
    view = undefined;
  }
  if (state === 0) return undefined;
  view ??= createView(w);
  view.root.hidden = state !== 2;
  return view;
}

/** @param {WindowView} view @param {number} w */
function syncControls(view, w) {
  for (let half = 0; half < 2; ++half) {
    const bits = game._quibbet_changed_controls(w, half);
    for (let bit = 0; bit < 32; ++bit) {
      if (bits & (1 << bit)) view.update(half * 32 + bit, readControl(game, w, half * 32 + bit));
    }
  }
}

function sync() {
  syncing = true;
  const activate = game._quibbet_take_changes();
  if (game._quibbet_ended()) {
    location.replace("ended.html");
    return;
  }
  for (let w = 0; w < WINDOWS.length; ++w) {
    const changed = game._quibbet_window_changes(w);
    const view = changed & 1 ? syncState(w, game._quibbet_state(w)) : views.get(w);
    if (!view) continue;
    syncControls(view, w);
    if (changed & 4) {
      const paused = game._quibbet_window_field(w, 4) === 1;
      view.setPaused(paused, game.UTF8ToString(game._quibbet_notice(0)), game.UTF8ToString(game._quibbet_notice(1)));
    }
    if (changed & 3 && !view.root.hidden) view.applyFocus(game._quibbet_window_field(w, 3));
  }
  const choices = game._quibbet_choices();
  if (choices & 1) showChoiceNotice(game.UTF8ToString(game._quibbet_choice_notice()));
  // Written only when they change: a write of the same value is still a change to the page.
  const heard = choices & 2 ? "on" : "off";
  if (document.body.dataset.sound !== heard) document.body.dataset.sound = heard;
  const symbols = choices & 4 ? "on" : "off";
  if (document.body.dataset.symbols !== symbols) document.body.dataset.symbols = symbols;
  if (activate) {
    const active = game._quibbet_active();
    for (const [w, view] of views) view.setActive(w === active);
  }
  syncing = false;
  schedule();
}

// What M or C did ("Sound off", "Symbols on") for a moment, over the windows; no control, so
// it takes no input.
/** @type {HTMLElement | null} */
let choiceNotice = null;
let choiceNoticeTimer = 0;
/** @param {string} text */
function showChoiceNotice(text) {
  if (!choiceNotice) {
    choiceNotice = document.createElement("div");
    choiceNotice.className = "choice-notice";
    choiceNotice.setAttribute("role", "status");
    document.body.append(choiceNotice);
  }
  choiceNotice.textContent = text;
  choiceNotice.hidden = false;
  clearTimeout(choiceNoticeTimer);
  choiceNoticeTimer = window.setTimeout(() => {
    if (choiceNotice) choiceNotice.hidden = true;
  }, 1200);
}

function schedule() {
  if (frameDue || !game._quibbet_ticking()) return;
  frameDue = true;
  requestAnimationFrame(frame);
}

/** @param {number} time */
function frame(time) {
  frameDue = false;
  if (busy) return;
  const ran = game._quibbet_advance();
  if (ran > 0) {
    pace.ticks += ran;
    pace.frames.push(time);
    sync();
  } else {
    schedule();
  }
}

/**
 * Starts the game on its WebAssembly module, which the loader began to fetch and compile as the
 * page opened. Rejects when the module cannot be had.
 * @param {Promise<WebAssembly.Module>} compiled
 */
export async function play(compiled) {
  const module = await compiled;
  game = await new Promise((started, failed) => {
    createQuibbet({
      showMessageBox: (text, title, style) => {
        asked = showMessageBox(text, title, style);
      },
      playCue,
      silence,
      instantiateWasm: (imports, receive) => {
        WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module), failed);
        return {};
      },
    }).then(started, failed);
  });

  // A hidden page pauses a round in play, like a minimised window: back in sight it waits for P.
  document.addEventListener("visibilitychange", () => {
    const hidden = document.hidden ? 1 : 0;
    enter(() => deliver(() => game._quibbet_out_of_sight(hidden)));
  });
  // Another tab's entry shows in this tab's table at once. It is no input of the player's, so
  // an open message box does not hold it up.
  onTableChanged(() =>
    enter(() => {
      game._quibbet_table_changed();
      sync();
    }),
  );
  // The arrows steer while held, so a key let go anywhere counts; a page that lost the keyboard
  // to another window lets go of every key and pauses a round.
  /** @param {number} code */
  const release = (code) => enter(() => game._quibbet_release_key(code));
  document.addEventListener("keyup", (e) => release(e.keyCode));
  window.addEventListener("blur", () => enter(() => deliver(() => game._quibbet_lose_keyboard())));
  listenForGamepads((x, y, buttons) => enter(() => deliver(() => game._quibbet_gamepad(x, y, buttons))));

  listenForGesture(() => game);
  game._quibbet_start();
  sync();
  // The first frame with the menu on it, for the start-up benchmark.
  requestAnimationFrame(() => performance.mark("quibbet-first-frame"));
  Object.assign(window, { quibbetPace: pace });
}
