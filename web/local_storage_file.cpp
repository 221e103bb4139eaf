// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "local_storage_file.h"

#include <emscripten/emscripten.h>

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

// 1 when stored; 0 when the browser refuses (storage full or turned off).
EM_JS(int, Store, (const char* bytes), {
  try {
    localStorage.setItem("quibbet/high-scores.json", UTF8ToString(bytes));
    return 1;
  } catch (e) {
    return 0;
  }
});

// Moves the item aside under a name with the moment in it, never over another item; 1 when moved.
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
    return 1;
  } catch (e) {
    return 0;
  }
});
// clang-format on

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
  if (Store(bytes.c_str()) == 1) {
    return {true, {}};
  }
  return {false, "the browser refused to store it"};
}

TableFile::Outcome LocalStorageFile::MoveAside() {
  if (StoreAside() == 1) {
    return {true, "a .bad- item beside it"};
  }
  return {false, "the browser refused to move it"};
}

}  // namespace quibbet
