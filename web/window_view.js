// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One of the game's windows on the page, drawn from the session's description of it: a title
// bar with its caption and close box over a client area of the design's size, every control
// where the description puts it. It decides nothing: it draws what it is told, touching only
// what changed, and passes the player's events on. The windows are dragged by their title bars.

import { cssColour } from "./colour.js";

/** @typedef {import("./description").Control} Control */
/** @typedef {import("./description").WindowDescription} WindowDescription */

/**
 * @typedef {object} WindowEvents
 * @property {(button: number) => void} click
 * @property {() => void} close
 * @property {(x: number, y: number) => void} pointer
 * @property {(event: KeyboardEvent) => void} key
 * @property {(text: string) => void} typed
 * @property {(index: number) => void} focus
 */

// The page's one map between twips and CSS pixels: 15 twips to the pixel, as at 96 dots per inch.
const TWIPS_PER_PIXEL = 15;
/** @param {number} twips */
const toPixels = (twips) => twips / TWIPS_PER_PIXEL;
/** @param {number} pixels */
const toTwips = (pixels) => pixels * TWIPS_PER_PIXEL;
/** @param {number} twips */
const px = (twips) => `${toPixels(twips)}px`;
// On device pixels, as the desktop paints edges.
/** @param {number} twips */
const snap = (twips) => Math.round(toPixels(twips) * devicePixelRatio) / devicePixelRatio;

// The page's one font table: the free faces that stand in for the design's.
/** @type {Record<string, string>} */
const FACES = { sans: "Liberation Sans", display: "URW Gothic", bookman: "URW Bookman" };

/** @param {HTMLElement} element @param {Control} c */
function applyFont(element, c) {
  // Points are 1/72 inch; the designs were laid out at 96 pixels per inch.
  const size = Math.round((c.points * 96) / 72);
  element.style.font = `${c.italic ? "italic " : ""}${c.weight} ${size}px "${FACES[c.role]}"`;
  // The designed display face has capitals only; its stand-in reads as one in small capitals.
  if (c.role === "display") element.style.fontVariant = "small-caps";
}

const SVG = "http://www.w3.org/2000/svg";

// The symbols that tell blocks apart without colour, laid out as src/frontend/block_symbol.h
// has them: centred, spanning 0.7 of the shape's inside in lines 0.12 of it thick but never
// thinner than 2 pixels, here in a square of 100 units that scales with the shape.
const H = 35;
const STROKE = 12;
const MIN_STROKE = 2;
const D = H * Math.SQRT1_2;
const BAR = `M${50 - H} 50H${50 + H}`;
const PLUS = `${BAR}M50 ${50 - H}V${50 + H}`;
const CROSS = `M${50 - D} ${50 - D}L${50 + D} ${50 + D}M${50 - D} ${50 + D}L${50 + D} ${50 - D}`;
/** @param {number} stroke A ring's line lies inside the span, as the crosses' ends do. */
const ring = (stroke) => {
  const r = H - stroke / 2;
  return `M${50 - r} 50a${r} ${r} 0 1 0 ${2 * r} 0a${r} ${r} 0 1 0 ${-2 * r} 0`;
};
/** @type {Record<string, (stroke: number) => string>} */
const STROKED = {
  plus: () => PLUS,
  cross: () => CROSS,
  snowflake: () => PLUS + CROSS,
  ring,
  bar: () => BAR,
};
const DIAMOND = `M50 ${50 - H}L${50 + H} 50L50 ${50 + H}L${50 - H} 50Z`;

export class WindowView {
  /**
   * @param {string} name
   * @param {WindowDescription} description
   * @param {WindowEvents} events
   * @param {string} picture the menu picture's title band
   */
  constructor(name, description, events, picture) {
    this.name = name;
    this.generation = 0;
    // Where the session last put the focus: a control's index, or -1 for the window itself.
    this.focused = -1;
    this.root = document.createElement("section");
    this.root.className = "window";
    this.root.dataset.window = name;
    this.root.setAttribute("aria-label", description.caption);
    const bar = document.createElement("header");
    bar.className = "titlebar";
    const caption = document.createElement("h2");
    caption.textContent = description.caption;
    const close = document.createElement("button");
    close.className = "close";
    close.textContent = "×";
    close.setAttribute("aria-label", "Close");
    close.addEventListener("click", () => events.close());
    bar.append(caption, close);
    this.dragByTitleBar(bar, close);

    this.client = document.createElement("div");
    this.client.className = "client";
    // The window itself takes the game's keys when the session puts the focus there.
    this.client.tabIndex = -1;
    this.client.style.width = px(description.width);
    this.client.style.height = px(description.height);
    if (description.back >= 0) this.client.style.background = cssColour(description.back);
    this.client.addEventListener("pointermove", (e) => {
      // Only the first finger steers: a second one on Freeze or Pause must not move the square.
      if (!e.isPrimary) return;
      const at = this.client.getBoundingClientRect();
      // The window may be drawn scaled to fit the screen; the rules count unscaled twips.
      const unscaled = this.client.offsetWidth / at.width;
      events.pointer(toTwips((e.clientX - at.left) * unscaled), toTwips((e.clientY - at.top) * unscaled));
    });
    // A click on the window's background leaves the focus where it is, as on the desktop; one
    // that comes back from elsewhere on the page gives the window its keys again.
    this.client.addEventListener("pointerdown", (e) => {
      if (e.target !== this.client) return;
      e.preventDefault();
      this.reclaimKeys();
    });
    this.client.addEventListener("focusin", (e) => {
      const index = e.target === this.client ? -1 : Number(/** @type {HTMLElement} */ (e.target).dataset.index);
      if (!Number.isNaN(index)) events.focus(index);
    });
    // The close box is no control of the rules: Enter and the spacebar on it press it.
    this.root.addEventListener("keydown", (e) => {
      if (e.target !== close) events.key(e);
    });
    this.root.append(bar, this.client);

    /** @type {SVGSVGElement | null} */
    this.lines = null;
    /** @type {Array<HTMLElement | SVGLineElement>} */
    this.elements = description.controls.map((control, i) => this.create(control, i, events, picture));
    /** @type {Control[]} */
    this.shown = description.controls.map(() => /** @type {Control} */ ({}));
    description.controls.forEach((control, i) => this.update(i, control));
    /** @type {HTMLElement | null} */
    this.notice = null;
  }

  /**
   * @param {Control} c @param {number} i @param {WindowEvents} events @param {string} picture
   * @returns {HTMLElement | SVGLineElement}
   */
  create(c, i, events, picture) {
    if (c.kind === "line") return this.createLine(c);
    /** @type {HTMLElement} */
    let element;
    switch (c.kind) {
      case "button":
        element = document.createElement("button");
        element.addEventListener("click", () => events.click(c.button));
        if (c.back >= 0) element.style.background = cssColour(c.back);
        break;
      case "textbox": {
        const input = document.createElement("input");
        input.type = "text";
        input.spellcheck = false;
        input.autocomplete = "off";
        input.addEventListener("input", () => events.typed(input.value));
        if (c.back >= 0) input.style.background = cssColour(c.back);
        element = input;
        break;
      }
      case "picture": {
        const image = document.createElement("img");
        image.src = picture;
        image.alt = "";
        element = image;
        break;
      }
      default:
        element = document.createElement("div");
    }
    element.classList.add(c.kind);
    element.dataset.name = c.name;
    element.dataset.index = String(i);
    if (c.kind === "label" || c.kind === "button" || c.kind === "textbox") applyFont(element, c);
    if (c.kind === "label") {
      element.classList.toggle("wrap", c.wrap);
      element.classList.toggle("centre", c.centred);
      if (c.opaque) element.style.background = "var(--face)";
    }
    this.client.append(element);
    return element;
  }

  // Lines are drawn as vectors, so they stay sharp at any pixel ratio; above the shapes, below
  // the texts and buttons, as the desktop paints them.
  /** @param {Control} c */
  createLine(c) {
    if (!this.lines) {
      this.lines = document.createElementNS(SVG, "svg");
      this.lines.classList.add("lines");
      this.lines.style.width = this.client.style.width;
      this.lines.style.height = this.client.style.height;
      this.client.append(this.lines);
    }
    const line = document.createElementNS(SVG, "line");
    line.setAttribute("stroke", cssColour(c.fore));
    line.setAttribute("stroke-width", String(c.border));
    line.setAttribute("stroke-linecap", "round");
    this.lines.append(line);
    return line;
  }

  // Brings control i in line with the description, touching only what differs.
  /** @param {number} i @param {Control} c */
  update(i, c) {
    const was = this.shown[i];
    this.shown[i] = c;
    const element = this.elements[i];
    if (element instanceof SVGLineElement) {
      element.setAttribute("x1", String(toPixels(c.left)));
      element.setAttribute("y1", String(toPixels(c.top)));
      element.setAttribute("x2", String(toPixels(c.left + c.width)));
      element.setAttribute("y2", String(toPixels(c.top + c.height)));
      return;
    }
    if (was.visible !== c.visible) element.hidden = !c.visible;
    if (c.kind === "shape") {
      // Shapes move every tick: moved as layers of their own, they need no layout or repaint.
      // Their edges land on device pixels, sharp as the desktop paints them.
      if (was.left !== c.left || was.top !== c.top) element.style.transform = `translate(${snap(c.left)}px, ${snap(c.top)}px)`;
    } else {
      if (was.left !== c.left) element.style.left = px(c.left);
      if (was.top !== c.top) element.style.top = px(c.top);
    }
    if (was.width !== c.width) element.style.width = px(c.width);
    if (was.height !== c.height) element.style.height = px(c.height);
    if (c.kind === "shape") {
      const look = was.back !== c.back || was.symbol !== c.symbol || was.ink !== c.ink;
      if (look || was.width !== c.width || was.height !== c.height) this.drawShape(element, c);
    } else if (c.kind === "textbox") {
      const input = /** @type {HTMLInputElement} */ (element);
      if (input.value !== c.text) input.value = c.text;
    } else if (was.text !== c.text) {
      element.textContent = c.text;
    }
  }

  // The border lies inside the shape, so what is drawn covers exactly the rectangle the rules
  // test for collisions; a shape too small for its border is all border.
  /** @param {HTMLElement} element @param {Control} c */
  drawShape(element, c) {
    const inner = toPixels(Math.min(c.width, c.height)) > 2 * c.border;
    element.style.borderWidth = inner ? `${c.border}px` : "0";
    element.style.borderColor = cssColour(c.fore);
    element.style.background = !inner ? cssColour(c.fore) : c.filled && c.back >= 0 ? cssColour(c.back) : "transparent";
    const inside = toPixels(Math.min(c.width, c.height)) - 2 * c.border;
    this.drawSymbol(element, inner ? c.symbol : "none", c.ink, Math.max(STROKE, (MIN_STROKE * 100) / inside));
  }

  // The symbol over the shape's inside, as a vector, sharp at any size and pixel ratio.
  /** @param {HTMLElement} element @param {string} symbol @param {number} ink @param {number} stroke in units */
  drawSymbol(element, symbol, ink, stroke) {
    element.dataset.symbol = symbol;
    element.querySelector("svg")?.remove();
    if (symbol === "none") return;
    const svg = document.createElementNS(SVG, "svg");
    svg.setAttribute("viewBox", "0 0 100 100");
    // Assistive technology names the blocks by kind already.
    svg.setAttribute("aria-hidden", "true");
    svg.classList.add("symbol");
    const path = document.createElementNS(SVG, "path");
    if (symbol === "diamond") {
      path.setAttribute("d", DIAMOND);
      path.setAttribute("fill", cssColour(ink));
    } else {
      path.setAttribute("d", STROKED[symbol](stroke));
      path.setAttribute("fill", "none");
      path.setAttribute("stroke", cssColour(ink));
      path.setAttribute("stroke-width", String(stroke));
      // Straight lines on whole pixels, sharp even on the smallest block.
      if (symbol === "plus" || symbol === "bar") path.setAttribute("shape-rendering", "crispEdges");
    }
    svg.append(path);
    element.append(svg);
  }

  // Puts the keyboard focus where the session has it: on a control, or on the window itself.
  /** @param {number} index */
  applyFocus(index) {
    this.focused = index;
    const element = index < 0 ? this.client : /** @type {HTMLElement} */ (this.elements[index]);
    if (document.activeElement === element) return;
    element.focus({ preventScroll: true });
    // The name can be typed at once, after what the box already holds.
    if (element instanceof HTMLInputElement) element.setSelectionRange(element.value.length, element.value.length);
  }

  // Puts the focus back where the session last had it, unless it is already in this window.
  reclaimKeys() {
    if (!this.root.contains(document.activeElement)) this.applyFocus(this.focused);
  }

  // The notice over a paused round. It is no control: it takes neither pointer nor focus.
  /** @param {boolean} paused @param {string} heading @param {string} hint */
  setPaused(paused, heading, hint) {
    if (!this.notice) {
      this.notice = document.createElement("div");
      this.notice.className = "notice";
      const title = document.createElement("strong");
      title.textContent = heading;
      const line = document.createElement("span");
      line.textContent = hint;
      this.notice.append(title, line);
      this.client.append(this.notice);
    }
    this.notice.hidden = !paused;
  }

  /** @param {boolean} active */
  setActive(active) {
    this.root.classList.toggle("active", active);
  }

  // A press on the title bar moves the window with the pointer and leaves the keyboard focus
  // where it is. The press is found by where it lands, not by its target: a browser moves a
  // finger's touch from a thin bar to the nearest control, or to the window's client area, which
  // takes the focus; the touch must not also steer or press anything there.
  /** @param {HTMLElement} bar @param {HTMLElement} close */
  dragByTitleBar(bar, close) {
    /** @param {HTMLElement} element @param {PointerEvent} e */
    const under = (element, e) => {
      const r = element.getBoundingClientRect();
      return e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY < r.bottom;
    };
    this.root.addEventListener(
      "pointerdown",
      (e) => {
        if (!under(bar, e) || under(close, e)) return;
        e.preventDefault();
        e.stopPropagation();
        this.reclaimKeys();
        bar.setPointerCapture(e.pointerId);
        const start = { x: e.clientX - this.root.offsetLeft, y: e.clientY - this.root.offsetTop };
        // The title bar stays on the page, so that the window can always be reached and moved back.
        /** @param {PointerEvent} m */
        const move = (m) => {
          const keep = Math.min(60, bar.offsetWidth);
          const left = Math.min(Math.max(m.clientX - start.x, keep - this.root.offsetWidth), innerWidth - keep);
          this.root.style.left = `${left}px`;
          this.root.style.top = `${Math.min(Math.max(0, m.clientY - start.y), innerHeight - bar.offsetHeight)}px`;
        };
        bar.addEventListener("pointermove", move);
        bar.addEventListener("lostpointercapture", () => bar.removeEventListener("pointermove", move), { once: true });
      },
      { capture: true },
    );
  }
}
