// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fits the shown windows to the viewport: a window that fits stays at its designed size where
// the desktop would put a new window; one that does not is scaled as a whole, keeping its
// proportions, until it fills the viewport in one direction, centred in the other. Room is kept
// for the touch bar, beside or below the window, whichever leaves it larger. Scaling is a
// transform, so text and lines are drawn afresh at the final size, crisp at any pixel ratio,
// and nothing ever reaches past the viewport to scroll.

import { watchWindows } from "./window_watch.js";

// Where the desktop puts a new window.
const MARGIN = 24;
// The touch bar's depth: 48 px buttons and their spacing.
export const BAR_DEPTH = 64;

/**
 * @typedef {{ width: number, height: number }} Size
 * @typedef {{ scale: number, left: number, top: number, bar: "below" | "beside" | "none" }} Placement
 */

/**
 * @param {Size} viewport
 * @param {Size} size the window's designed size, title bar and border included
 * @param {boolean} withBar
 * @returns {Placement}
 */
export function placeWindow(viewport, size, withBar) {
  if (!withBar && size.width + 2 * MARGIN <= viewport.width && size.height + 2 * MARGIN <= viewport.height) {
    return { scale: 1, left: MARGIN, top: MARGIN, bar: "none" };
  }
  /** @type {Array<Placement["bar"]>} */
  const sides = withBar ? ["below", "beside"] : ["none"];
  const options = sides.map((bar) => {
    const width = viewport.width - (bar === "beside" ? BAR_DEPTH : 0);
    const height = viewport.height - (bar === "below" ? BAR_DEPTH : 0);
    const scale = Math.min(1, width / size.width, height / size.height);
    return {
      scale,
      left: (width - size.width * scale) / 2,
      top: (height - size.height * scale) / 2,
      bar,
    };
  });
  return options.reduce((best, option) => (option.scale > best.scale ? option : best));
}

// Whole device pixels, so that edges stay sharp after the move.
/** @param {number} css */
const toDevicePixel = (css) => Math.round(css * devicePixelRatio) / devicePixelRatio;

/**
 * Keeps every shown window of the desktop fitted, and the touch bar where its window left room,
 * as windows come and go and the viewport turns or changes size.
 * @param {HTMLElement} desktop
 * @param {HTMLElement} bar
 */
export function fitToViewport(desktop, bar) {
  const fit = () => {
    const viewport = { width: document.documentElement.clientWidth, height: document.documentElement.clientHeight };
    let barSide = "none";
    for (const root of desktop.querySelectorAll(":scope > .window:not([hidden])")) {
      const shown = /** @type {HTMLElement} */ (root);
      const size = { width: shown.offsetWidth, height: shown.offsetHeight };
      const place = placeWindow(viewport, size, !bar.hidden);
      shown.style.transform = `translate(${toDevicePixel(place.left)}px, ${toDevicePixel(place.top)}px) scale(${place.scale})`;
      // Focus rings keep their width on a window drawn smaller.
      shown.style.setProperty("--fit-scale", String(place.scale));
      barSide = place.bar;
    }
    bar.dataset.side = barSide;
  };
  // Windows and the bar are told to show or hide at every frame; a fit is needed only when a
  // window comes or goes or one of them really changes.
  let shown = "";
  /** @param {boolean} cameOrWent */
  const refit = (cameOrWent) => {
    const now = Array.from(desktop.children, (c) => String(/** @type {HTMLElement} */ (c).hidden)).join() + bar.hidden;
    if (now !== shown || cameOrWent) {
      shown = now;
      fit();
    }
  };
  watchWindows(desktop, refit);
  new MutationObserver(() => refit(false)).observe(bar, { attributeFilter: ["hidden"] });
  addEventListener("resize", fit);
  screen.orientation?.addEventListener("change", fit);
}
