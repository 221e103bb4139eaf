// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One of the game's windows on the page: a title bar with its caption and close box over a
// client area of the design's size, 15 twips to the CSS pixel, with every control where the
// rules put it. It only draws what the scene says and passes the player's events on.

import { cssColour } from "./colour.js";

/** @typedef {import("./scene").WindowScene} WindowScene */
/** @typedef {import("./scene").Control} Control */
/** @typedef {import("./scene").Font} Font */
/** @typedef {import("./scene").At} At */

export const TWIPS_PER_PIXEL = 15;

/**
 * @typedef {object} WindowEvents
 * @property {(button: string) => void} click
 * @property {() => void} close
 * @property {(event: PointerEvent, x: number, y: number) => void} pointer
 * @property {(event: KeyboardEvent) => void} key
 * @property {(text: string) => void} typed
 */

// The faces that stand in for the design's fonts.
/** @type {Record<string, string>} */
const FACES = {
  "MS Sans Serif": "Liberation Sans",
  "Bookman Old Style": "URW Bookman",
  "Lithos Pro Regular": "URW Gothic",
};

/** @param {number} twips */
const px = (twips) => `${twips / TWIPS_PER_PIXEL}px`;

/** @param {HTMLElement | SVGElement} element @param {Font} font */
function applyFont(element, font) {
  const face = FACES[font.face] ?? font.face;
  // Points are 1/72 inch; the designs were laid out at 96 pixels per inch.
  element.style.font = `${font.italic ? "italic " : ""}${font.weight} ${Math.round(
    (font.points * 96) / 72,
  )}px "${face}"`;
  // The designed face has capitals only; its stand-in reads as one in small capitals.
  element.style.fontVariant = font.face === "Lithos Pro Regular" ? "small-caps" : "";
}

/** @param {HTMLElement} element @param {At} at */
function place(element, at) {
  element.style.left = px(at.left);
  element.style.top = px(at.top);
  element.style.width = px(at.width);
  element.style.height = px(at.height);
}

export class WindowView {
  /**
   * @param {string} name
   * @param {WindowScene} scene
   * @param {WindowEvents} events
   */
  constructor(name, scene, events) {
    this.name = name;
    this.generation = scene.generation;
    this.events = events;
    this.root = document.createElement("section");
    this.root.className = "window";
    this.root.dataset.window = name;
    this.root.setAttribute("aria-label", scene.caption);
    const bar = document.createElement("header");
    bar.className = "titlebar";
    const caption = document.createElement("h2");
    caption.textContent = scene.caption;
    const close = document.createElement("button");
    close.className = "close";
    close.textContent = "×";
    close.setAttribute("aria-label", "Close");
    close.addEventListener("click", () => events.close());
    bar.append(caption, close);
    this.client = document.createElement("div");
    this.client.className = "client";
    this.client.tabIndex = 0;
    this.client.style.width = px(scene.width);
    this.client.style.height = px(scene.height);
    if (scene.back !== null) {
      this.client.style.background = cssColour(scene.back);
    }
    this.client.addEventListener("pointermove", (e) => {
      const box = this.client.getBoundingClientRect();
      // The window may be drawn scaled to fit the screen; the rules count unscaled twips.
      const twips = (this.client.offsetWidth / box.width) * TWIPS_PER_PIXEL;
      events.pointer(e, (e.clientX - box.left) * twips, (e.clientY - box.top) * twips);
    });
    this.client.addEventListener("keydown", (e) => {
      // A key that a focused button or the name box takes is not the window's key-down.
      if (e.target === this.client) {
        events.key(e);
      }
      // Escape leaves the help window by its only button.
      if (e.key === "Escape" && this.name === "frmhelp") events.click("Command1");
    });
    this.root.append(bar, this.client);
    /** @type {HTMLElement[]} */
    this.elements = scene.controls.map((control) => this.create(control));
    this.lines = this.createLines(scene);
    this.update(scene);
  }

  /** @param {Control} control @returns {HTMLElement} */
  create(control) {
    /** @type {HTMLElement} */
    let element;
    switch (control.kind) {
      case "button": {
        element = document.createElement("button");
        element.addEventListener("click", () => this.events.click(control.name));
        applyFont(element, control.font);
        if (control.back !== null) {
          element.style.background = cssColour(control.back);
        }
        break;
      }
      case "textbox": {
        const input = document.createElement("input");
        input.type = "text";
        input.spellcheck = false;
        input.autocomplete = "off";
        input.addEventListener("input", () => this.events.typed(input.value));
        // Enter in the name box submits the score, as on the desktop: on the key's release, so
        // that the message box it may open does not take that release as its own answer.
        input.addEventListener("keyup", (e) => {
          if (e.key === "Enter") this.events.click("cmdsubmit");
        });
        applyFont(input, control.font);
        input.style.background = cssColour(control.back);
        element = input;
        break;
      }
      case "label":
        element = document.createElement("div");
        applyFont(element, control.font);
        element.classList.toggle("wrap", control.wrap);
        element.classList.toggle("centre", control.centre);
        break;
      default:
        element = document.createElement("div");
    }
    element.classList.add(control.kind);
    if ("name" in control) {
      element.dataset.name = control.name;
    }
    if (control.kind !== "line") {
      this.client.append(element);
    }
    return element;
  }

  // The lines of a window, drawn as vectors so they stay sharp at any pixel ratio.
  /** @param {WindowScene} scene */
  createLines(scene) {
    const lines = scene.controls.filter((c) => c.kind === "line");
    if (lines.length === 0) {
      return null;
    }
    const svgNs = "http://www.w3.org/2000/svg";
    const svg = document.createElementNS(svgNs, "svg");
    svg.classList.add("lines");
    svg.setAttribute("width", String(scene.width / TWIPS_PER_PIXEL));
    svg.setAttribute("height", String(scene.height / TWIPS_PER_PIXEL));
    for (const line of lines) {
      if (line.kind !== "line") continue;
      const l = document.createElementNS(svgNs, "line");
      l.setAttribute("x1", String(line.x1 / TWIPS_PER_PIXEL));
      l.setAttribute("y1", String(line.y1 / TWIPS_PER_PIXEL));
      l.setAttribute("x2", String(line.x2 / TWIPS_PER_PIXEL));
      l.setAttribute("y2", String(line.y2 / TWIPS_PER_PIXEL));
      l.setAttribute("stroke", cssColour(line.color));
      l.setAttribute("stroke-width", String(line.width));
      l.setAttribute("stroke-linecap", "round");
      svg.append(l);
    }
    // Above the shapes, below the texts and buttons, as the desktop paints them.
    const firstText = this.elements.find((e) => !e.classList.contains("shape") && !e.classList.contains("line"));
    this.client.insertBefore(svg, firstText ?? null);
    return svg;
  }

  /** @param {WindowScene} scene */
  update(scene) {
    this.root.hidden = scene.state !== "visible";
    scene.controls.forEach((control, i) => {
      const element = this.elements[i];
      if (control.kind === "line") return;
      element.hidden = !control.visible;
      place(element, control.at);
      switch (control.kind) {
        case "label":
          if (element.textContent !== control.text) element.textContent = control.text;
          element.style.background = control.opaque ? "var(--face)" : "";
          break;
        case "button":
          if (element.textContent !== control.text) element.textContent = control.text;
          break;
        case "textbox": {
          const input = /** @type {HTMLInputElement} */ (element);
          if (input.value !== control.text) input.value = control.text;
          // The name box appears as a round ends and takes the keys at once, so a spacebar
          // still held for a freeze cannot start the next round.
          if (control.visible && input.dataset.shown !== "yes" && !this.root.hidden) {
            input.focus();
            input.setSelectionRange(input.value.length, input.value.length);
          }
          input.dataset.shown = control.visible ? "yes" : "no";
          break;
        }
        case "shape":
          this.drawShape(element, control);
          break;
      }
    });
  }

  // The border lies inside the shape, so what is drawn covers exactly the rectangle the rules
  // test for collisions; a shape too small for its border is all border.
  /** @param {HTMLElement} element @param {import("./scene").ShapeControl} shape */
  drawShape(element, shape) {
    const inner = Math.min(shape.at.width, shape.at.height) / TWIPS_PER_PIXEL > 2 * shape.border;
    element.style.borderWidth = inner ? `${shape.border}px` : "0";
    element.style.background = !inner ? "#000" : shape.filled ? cssColour(shape.back) : "transparent";
  }

  /** @param {boolean} active */
  setActive(active) {
    this.root.classList.toggle("active", active);
  }
}
