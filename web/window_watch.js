// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells when the desktop's windows come, go, show or hide; not when their controls change, which
// they do at every frame of play.

/**
 * @param {HTMLElement} desktop
 * @param {(windowCameOrWent: boolean) => void} changed
 */
export function watchWindows(desktop, changed) {
  const shown = new MutationObserver(() => changed(false));
  new MutationObserver((changes) => {
    for (const change of changes) {
      for (const node of change.addedNodes) shown.observe(node, { attributeFilter: ["hidden"] });
    }
    changed(true);
  }).observe(desktop, { childList: true });
}
