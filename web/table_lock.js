// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The high-score table's lock across the page's tabs. The module reads, enters and writes the
// table in localStorage within one call; the page makes every call that submits a score under
// the browser's lock (navigator.locks), so two tabs submitting at once both enter theirs.
//
// The lock alone is not enough: each tab reads its own copy of localStorage, which the browser
// brings in line with another tab's writes a moment later. In Chromium a tab granted the lock
// just as another let it go read the old table in 30 handoffs out of 50 (its copy caught up
// within 5 ms), and two tabs submitting at once under the lock alone lost an entry 5 times in
// 60. So every holder counts a generation in IndexedDB, which every tab reads as it stands, and
// writes it into localStorage after the table, which the other copies receive in that order: a
// tab given the lock first waits until its copy holds the last generation counted. The count
// comes before the table is written, so a tab closed in between, or localStorage cleared
// without IndexedDB, costs the next submission one wait of CATCH_UP_MS, never an entry.

const TABLE = "quibbet/high-scores.json";
const GENERATION = "quibbet/high-scores.generation";
// The longest a submission waits for another tab's lock, then for this tab's copy to catch up;
// past either it goes on as it would without the lock, rather than hold up the page's input.
const LOCK_WAIT_MS = 1000;
const CATCH_UP_MS = 500;
// Without IndexedDB, the holder keeps the lock this long after writing instead, for the other
// tabs' copies to catch up.
const GRACE_MS = 100;

/** @type {Promise<IDBDatabase | null> | undefined} */
let opened;
// The last generation this tab counted; when no other tab has counted since, its copy holds it.
let mine = -1;

/** @param {number} ms */
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// The generation this tab's copy of localStorage holds.
function seen() {
  try {
    return Number(localStorage.getItem(GENERATION)) || 0;
  } catch {
    return 0;
  }
}

/** @returns {Promise<IDBDatabase | null>} */
function database() {
  opened ??= new Promise((done) => {
    try {
      const request = indexedDB.open("quibbet", 1);
      request.onupgradeneeded = () => request.result.createObjectStore("table");
      request.onsuccess = () => {
        // A later version of the page takes over the database.
        request.result.onversionchange = () => {
          request.result.close();
          opened = undefined;
        };
        done(request.result);
      };
      request.onerror = () => done(null);
    } catch {
      done(null);
    }
  });
  return opened;
}

// The generation counted last, and this holder's, counted in IndexedDB at once; null when
// IndexedDB fails or is slow, and then nothing is counted.
/** @param {IDBDatabase} db @returns {Promise<{ last: number, next: number } | null>} */
function count(db) {
  return new Promise((done) => {
    try {
      const transaction = db.transaction("table", "readwrite");
      const store = transaction.objectStore("table");
      const read = store.get("generation");
      /** @type {{ last: number, next: number } | null} */
      let counted = null;
      read.onsuccess = () => {
        const last = Number(read.result) || 0;
        counted = { last, next: Math.max(last, seen()) + 1 };
        store.put(counted.next, "generation");
      };
      const timer = setTimeout(() => {
        try {
          transaction.abort();
        } catch {
          // Already committing: it completes, counted.
        }
      }, CATCH_UP_MS);
      transaction.oncomplete = () => (clearTimeout(timer), done(counted));
      transaction.onabort = () => (clearTimeout(timer), done(null));
    } catch {
      done(null);
    }
  });
}

/** @param {number} generation */
function caughtUp(generation) {
  return new Promise((done) => {
    const stop = () => {
      removeEventListener("storage", check);
      clearTimeout(timer);
      done(undefined);
    };
    const check = () => {
      if (seen() >= generation) stop();
    };
    const timer = setTimeout(() => {
      console.warn(`quibbet: the high scores of another tab did not reach this one within ${CATCH_UP_MS} ms`);
      stop();
    }, CATCH_UP_MS);
    addEventListener("storage", check);
    check();
  });
}

/** @param {() => void} task */
async function holding(task) {
  const db = await Promise.race([database(), sleep(CATCH_UP_MS).then(() => null)]);
  const counted = db && (await count(db));
  if (!counted) {
    task();
    await sleep(GRACE_MS);
    return;
  }
  if (counted.last !== mine) await caughtUp(counted.last);
  task();
  mine = counted.next;
  try {
    localStorage.setItem(GENERATION, String(counted.next));
  } catch {
    // A full storage: the next tab waits out CATCH_UP_MS for this generation.
  }
}

/**
 * Runs task, which reads and writes the table in one go, under the lock of every tab's table;
 * at once where the browser has no such lock. Settles as soon as task has run.
 * @param {() => void} task
 * @returns {Promise<void>}
 */
export function underTableLock(task) {
  return new Promise((done) => {
    let ran = false;
    const run = () => {
      ran = true;
      try {
        task();
      } finally {
        done();
      }
    };
    if (!navigator.locks) return run();
    const waiting = new AbortController();
    const timer = setTimeout(() => waiting.abort(), LOCK_WAIT_MS);
    navigator.locks
      .request(TABLE, { signal: waiting.signal }, () => {
        clearTimeout(timer);
        return holding(run);
      })
      .catch((e) => {
        if (ran) throw e;
        console.warn("quibbet: the high scores are submitted without the lock of the other tabs:", e);
        run();
      });
  });
}

/**
 * Calls changed whenever another tab changes the table.
 * @param {() => void} changed
 */
export function onTableChanged(changed) {
  addEventListener("storage", (e) => {
    if (e.key === TABLE || e.key === null) changed();
  });
}
