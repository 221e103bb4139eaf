// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "page_settings.h"

#include <emscripten/emscripten.h>

#include <string>

namespace quibbet {

namespace {

// clang-format off
// 1 on, 0 off, -1 never chosen or not readable.
EM_JS(int, StoredChoice, (const char* key), {
  try {
    const kept = localStorage.getItem("quibbet/" + UTF8ToString(key));
    return kept === "on" ? 1 : kept === "off" ? 0 : -1;
  } catch (e) {
    return -1;
  }
});
// A browser that refuses storage keeps the choice for this visit only.
EM_JS(void, StoreChoice, (const char* key, int on), {
  const name = UTF8ToString(key);
  try {
    localStorage.setItem("quibbet/" + name, on ? "on" : "off");
  } catch (e) {
    console.warn("The " + name + " setting cannot be kept in this browser's storage: " + e);
  }
});
// clang-format on

}  // namespace

std::optional<bool> PageSettings::Read(std::string_view key) {
  const int stored = StoredChoice(std::string(key).c_str());
  return stored < 0 ? std::nullopt : std::optional<bool>(stored == 1);
}

void PageSettings::Write(std::string_view key, bool on) {
  StoreChoice(std::string(key).c_str(), on ? 1 : 0);
}

}  // namespace quibbet
