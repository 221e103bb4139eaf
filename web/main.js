// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: starts the rules in WebAssembly, draws their windows after every event and frame,
// and hands them the player's clicks, pointer movements, keys and typing. The pace is the rules'
// pacer, run from animation frames; a hidden page runs no ticks, like a minimised window.

import createQuibbet from "./quibbet-web.mjs";
import { showMessageBox } from "./message_box.js";
import { WindowView } from "./window_view.js";

/** @typedef {import("./scene").Scene} Scene */

const WINDOWS = ["Form1", "Form2", "frmhelp"];

// Where the menu's title band lies on its window, in pixels, as on the desktop.
const TITLE_BAND = { src: "menu-title.png", left: 162, top: 158 };

const desktop = /** @type {HTMLElement} */ (document.getElementById("desktop"));

const game = await createQuibbet({ showMessageBox });

/** @type {Map<string, WindowView>} */
const views = new Map();
let active = "";
// While a handler waits for a message box, the rules take no other event.
let busy = false;
// Counts every tick the page has run and when, for the pace checks of the tests.
const pace = { ticks: 0, frames: /** @type {number[]} */ ([]) };

/** @returns {Scene} */
function scene() {
  return JSON.parse(game.UTF8ToString(game._quibbet_scene()));
}

// P pauses and resumes, as on the desktop: no ticks, and the square stays where it is.
let paused = false;

/** @param {() => unknown} event */
async function deliver(event) {
  if (busy) return;
  busy = true;
  try {
    await event();
  } finally {
    busy = false;
  }
  draw();
}

/** @param {string} name */
function eventsFor(name) {
  return {
    /** @param {string} button */
    click: (button) => deliver(() => game.ccall("quibbet_click", null, ["string"], [button], { async: true })),
    close: () => deliver(() => game._quibbet_close(WINDOWS.indexOf(name))),
    /** @param {PointerEvent} e @param {number} x @param {number} y */
    pointer: (e, x, y) => {
      if (busy || paused) return;
      game._quibbet_pointer(x, y);
      draw();
    },
    /** @param {KeyboardEvent} e */
    key: (e) => {
      if (busy) return;
      if (e.key === " ") e.preventDefault();
      if (e.key === "p" || e.key === "P") {
        if (!e.repeat) paused = !paused;
        return;
      }
      if (paused) return;
      game._quibbet_key(e.keyCode);
      draw();
    },
    /** @param {string} text */
    typed: (text) => {
      if (busy) return;
      game.ccall("quibbet_name_typed", null, ["string"], [text]);
    },
  };
}

/** @param {string} name @param {import("./scene").WindowScene} windowScene */
function createView(name, windowScene) {
  const view = new WindowView(name, windowScene, eventsFor(name));
  if (name === "Form2") {
    const band = document.createElement("img");
    band.className = "picture";
    band.src = TITLE_BAND.src;
    band.alt = "";
    band.style.left = `${TITLE_BAND.left}px`;
    band.style.top = `${TITLE_BAND.top}px`;
    view.client.prepend(band);
  }
  desktop.append(view.root);
  return view;
}

// A window newly shown takes the focus: the game window itself, for its keys, or a window's
// first control.
/** @param {WindowView} view */
function focusShown(view) {
  if (view.name === "Form1") {
    view.client.focus();
    return;
  }
  // The controls come in their tab order.
  const first = /** @type {HTMLElement | null} */ (view.client.querySelector("button:not([hidden]), input:not([hidden])"));
  (first ?? view.client).focus();
}

function draw() {
  const now = scene();
  if (now.ended) {
    location.replace("ended.html");
    return;
  }
  for (const name of WINDOWS) {
    const windowScene = now.windows[name];
    let view = views.get(name);
    if (view && (!windowScene || view.generation !== windowScene.generation)) {
      view.root.remove();
      views.delete(name);
      view = undefined;
    }
    if (!windowScene) continue;
    if (view) {
      view.update(windowScene);
    } else {
      views.set(name, createView(name, windowScene));
    }
  }
  for (const [name, view] of views) view.setActive(name === now.active);
  if (now.active !== active) {
    active = now.active;
    const view = views.get(active);
    if (view) focusShown(view);
  }
}

/** @param {number} time */
function frame(time) {
  if (!busy) {
    const ran = game._quibbet_frame(time, document.hidden || paused ? 1 : 0);
    if (ran > 0) {
      pace.ticks += ran;
      pace.frames.push(time);
      draw();
    }
  }
  requestAnimationFrame(frame);
}

// Browsers stop animation frames in a hidden page; the pause begins at once all the same.
document.addEventListener("visibilitychange", () => {
  if (document.hidden && !busy) game._quibbet_frame(performance.now(), 1);
});

game._quibbet_start();
draw();
requestAnimationFrame((time) => {
  // The first frame with the menu on it, for the start-up benchmark.
  performance.mark("quibbet-first-frame");
  frame(time);
});
Object.assign(window, { quibbetPace: pace });
