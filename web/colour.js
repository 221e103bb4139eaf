// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours arrive as the designs write them, &H00BBGGRR.

/** @param {number} value @returns {string} */
export function cssColour(value) {
  const r = value & 0xff;
  const g = (value >> 8) & 0xff;
  const b = (value >> 16) & 0xff;
  return `rgb(${r} ${g} ${b})`;
}
