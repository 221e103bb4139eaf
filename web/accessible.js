// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader needs beyond the drawn windows: the name box is named by its label, and
// a polite live region tells the final score as a round ends and what became of a submitted
// score, entered in the table or refused.

const GAME = "Form1";
const ROWS = 5;

/** @param {ParentNode} root @param {string} name */
const control = (root, name) => /** @type {HTMLElement | null} */ (root.querySelector(`[data-name="${name}"]`));

/** @param {string} text */
function announce(text) {
  const region = /** @type {HTMLElement} */ (document.getElementById("announcer"));
  // The same words twice in a row are still news: clear first, then say them.
  region.textContent = "";
  requestAnimationFrame(() => {
    region.textContent = text;
  });
}

/** @param {HTMLElement} game @returns {string[]} */
const tableOf = (game) =>
  Array.from({ length: ROWS }, (_, row) => `${control(game, `lbluserscore(${row})`)?.textContent} ${control(game, `lblhighname(${row})`)?.textContent}`);

// After Submit Score: the first row that changed, or the message box that refused the score.
/** @param {HTMLElement} game */
function announceSubmission(game) {
  const before = tableOf(game);
  let frames = 0;
  const look = () => {
    const refusal = document.querySelector("dialog.message[open] p");
    const row = tableOf(game).findIndex((entry, i) => entry !== before[i]);
    if (refusal) {
      announce(refusal.textContent ?? "");
    } else if (row >= 0) {
      announce(`Score entered in the high scores at ${control(game, `lblscorenumber(${row})`)?.textContent ?? row + 1}`);
    } else if (++frames < 30) {
      // A second submission changes nothing and says nothing, as on the screen.
      requestAnimationFrame(look);
    }
  };
  requestAnimationFrame(look);
}

/** @param {HTMLElement} game */
function describeGame(game) {
  const name = control(game, "txtname");
  const label = control(game, "lblname");
  if (name && label) {
    label.id = `${GAME}-lblname`;
    name.setAttribute("aria-labelledby", label.id);
  }
  const score = control(game, "lblcurrentscore");
  if (score) {
    let shown = !score.hidden;
    new MutationObserver(() => {
      if (shown === !score.hidden) return;
      shown = !score.hidden;
      if (shown && !game.hidden) announce(`Final score: ${score.textContent}`);
    }).observe(score, { attributeFilter: ["hidden"] });
  }
  // Submit Score, by its button or by Enter in the name box or on the button; caught on the
  // way down, to see the table before the submission changes it.
  game.addEventListener(
    "click",
    (e) => {
      if (e.target instanceof Element && e.target.closest('[data-name="cmdsubmit"]')) announceSubmission(game);
    },
    true,
  );
  game.addEventListener(
    "keydown",
    (e) => {
      const submits = e.target === name || (e.target instanceof Element && e.target.closest('[data-name="cmdsubmit"]'));
      if (e.key === "Enter" && !e.repeat && submits) announceSubmission(game);
    },
    true,
  );
}

/** @param {HTMLElement} desktop */
export function describeForScreenReaders(desktop) {
  new MutationObserver((changes) => {
    for (const change of changes) {
      for (const node of change.addedNodes) {
        if (node instanceof HTMLElement && node.dataset.window === GAME) describeGame(node);
      }
    }
  }).observe(desktop, { childList: true });
}
