// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules' modal message box as a dialog on the page: the exact text and title, and the
// buttons of its style. Resolves with the answer's code, as the rules number them.

const OK = 1;
const YES = 6;
const NO = 7;
const STYLE_YES_NO = 4;
const STYLE_INFORMATION = 64;

/**
 * @param {string} text
 * @param {string} title
 * @param {number} style
 * @returns {Promise<number>}
 */
export function showMessageBox(text, title, style) {
  const dialog = document.createElement("dialog");
  dialog.className = "message";
  dialog.setAttribute("aria-label", title);
  const bar = document.createElement("header");
  bar.className = "titlebar";
  const heading = document.createElement("h2");
  heading.textContent = title;
  bar.append(heading);
  const body = document.createElement("div");
  body.className = "body";
  if (style === STYLE_INFORMATION) {
    const icon = document.createElement("span");
    icon.className = "icon";
    icon.textContent = "i";
    icon.setAttribute("aria-hidden", "true");
    body.append(icon);
  }
  const message = document.createElement("p");
  message.textContent = text;
  body.append(message);
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  dialog.append(bar, body, buttons);
  /** @type {Array<[string, number]>} */
  const choices = style === STYLE_YES_NO ? [["Yes", YES], ["No", NO]] : [["OK", OK]];
  return new Promise((resolve) => {
    for (const [caption, answer] of choices) {
      const button = document.createElement("button");
      button.textContent = caption;
      button.addEventListener("click", () => {
        dialog.close();
        dialog.remove();
        resolve(answer);
      });
      buttons.append(button);
    }
    // Escape answers a question No, as on the desktop, and dismisses a box with OK alone.
    dialog.addEventListener("cancel", (e) => {
      e.preventDefault();
      dialog.close();
      dialog.remove();
      resolve(style === STYLE_YES_NO ? NO : OK);
    });
    document.body.append(dialog);
    dialog.showModal();
    /** @type {HTMLButtonElement} */ (buttons.firstElementChild).focus();
  });
}
