// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "local_storage_file.h"

#include <emscripten/emscripten.h>

#include <utility>

namespace quibbet {

namespace {

// clang-format off
// The item's length in UTF-8 bytes, or -1 when there is none or storage is refused.
EM_JS(int, StoredLength, (), {
  try {
    const text = localStorage.getItem("quibbet/high-scores.json");
    return text === null ? -1 : lengthBytesUTF8(text);
  } catch (e) {
    return -1;
  }
});

EM_JS(void, CopyStored, (char* buffer, int size), {
  stringToUTF8(localStorage.getItem("quibbet/high-scores.json") || "", buffer, size);
});

// 0 when stored; 1 when the page's storage is full; 2 when the browser refuses otherwise.
EM_JS(int, Store, (const char* bytes), {
  try {
    localStorage.setItem("quibbet/high-scores.json", UTF8ToString(bytes));
    return 0;
  } catch (e) {
    return e instanceof DOMException && e.name === "QuotaExceededError" ? 1 : 2;
  }
});

// Moves the item aside under a name with the moment in it, never over another item; answers as
// Store does. The copy comes first, so a full storage leaves the item where it was.
EM_JS(int, StoreAside, (), {
  try {
    const key = "quibbet/high-scores.json";
    const d = new Date();
    const two = (n) => String(n).padStart(2, "0");
    let aside = key + ".bad-" + d.getFullYear() + two(d.getMonth() + 1) + two(d.getDate()) +
                "-" + two(d.getHours()) + two(d.getMinutes()) + two(d.getSeconds());
    while (localStorage.getItem(aside) !== null) {
      aside += "+";
    }
    localStorage.setItem(aside, localStorage.getItem(key) || "");
    localStorage.removeItem(key);
    return 0;
  } catch (e) {
    return e instanceof DOMException && e.name === "QuotaExceededError" ? 1 : 2;
  }
});
// clang-format on

TableFile::Outcome Stored(int answer, std::string done) {
  switch (answer) {
    case 0:
      return {true, std::move(done)};
    case 1:
      return {false, "the browser's storage for this page is full"};
    default:
      return {false, "the browser refused to store it"};
  }
}

}  // namespace

std::string LocalStorageFile::Name() const {
  return "localStorage item quibbet/high-scores.json";
}

TableFile::Outcome LocalStorageFile::Lock(bool /*makeFolder*/) {
  return {true, {}};
}

void LocalStorageFile::Unlock() {}

TableFile::Contents LocalStorageFile::Read(std::size_t maxBytes) {
  const int length = StoredLength();
  if (length < 0) {
    return {Found::kNone, {}, {}};
  }
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  CopyStored(bytes.data(), length + 1);
  bytes.resize(static_cast<std::size_t>(length));
  if (bytes.size() > maxBytes) {
    bytes.resize(maxBytes);
  }
  return {Found::kFile, bytes, {}};
}

TableFile::Outcome LocalStorageFile::Write(const std::string& bytes) {
  return Stored(Store(bytes.c_str()), {});
}

TableFile::Outcome LocalStorageFile::MoveAside() {
  return Stored(StoreAside(), "a .bad- item beside it");
}

}  // namespace quibbet
