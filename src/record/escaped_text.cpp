// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/escaped_text.h"

#include <charconv>
#include <cstdint>
#include <utility>

namespace quibbet::record {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::size_t kHexEscapeDigits = 2;

// The length of the well-formed UTF-8 character at the front of text (no overlong form, no
// surrogate, nothing past U+10FFFF), or 0; and whether it is a C1 control.
struct Character {
  std::size_t length = 0;
  bool control = false;
};

Character CharacterAt(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80U) {
    return {1, lead < 0x20U || lead == 0x7FU};
  }
  // The range the second byte must lie in narrows for the leads that start overlong forms,
  // surrogates or code points past U+10FFFF.
  std::size_t length = 0;
  std::uint8_t low = 0x80U;
  std::uint8_t high = 0xBFU;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    length = 2;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    length = 3;
    low = lead == 0xE0U ? 0xA0U : low;
    high = lead == 0xEDU ? 0x9FU : high;
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    length = 4;
    low = lead == 0xF0U ? 0x90U : low;
    high = lead == 0xF4U ? 0x8FU : high;
  } else {
    return {};
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) {
    return {};
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80U || byte(i) > 0xBFU) {
      return {};
    }
  }
  return {length, lead == 0xC2U && byte(1) <= 0x9FU};
}

void AppendEscaped(std::string& out, char c) {
  switch (c) {
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default: {
      const auto byte = static_cast<std::uint8_t>(c);
      out += "\\x";
      out += kHexDigits[byte >> 4U];
      out += kHexDigits[byte & 0xFU];
    }
  }
}

// Calls keep(character) for each character that stands as it is and escape(byte) for each byte
// that does not.
template <typename Keep, typename Escape>
void Scan(std::string_view text, Keep keep, Escape escape) {
  for (std::size_t i = 0; i < text.size();) {
    const Character character = CharacterAt(text.substr(i));
    if (character.length == 0) {
      escape(text[i]);
      ++i;
    } else if (character.control) {
      for (std::size_t k = 0; k < character.length; ++k) {
        escape(text[i + k]);
      }
      i += character.length;
    } else {
      keep(text.substr(i, character.length));
      i += character.length;
    }
  }
}

std::string EscapedText(std::string_view text, bool backslashes) {
  std::string out;
  out.reserve(text.size());
  Scan(
      text, [&](std::string_view kept) { out += backslashes && kept == "\\" ? "\\\\" : kept; },
      [&](char c) { AppendEscaped(out, c); });
  return out;
}

}  // namespace

bool NeedsEscapes(std::string_view text) {
  bool needs = false;
  Scan(
      text, [](std::string_view) {}, [&](char) { needs = true; });
  return needs;
}

std::string Escaped(std::string_view text) {
  return EscapedText(text, true);
}

std::string ControlsEscaped(std::string_view text) {
  return EscapedText(text, false);
}

Unescaping Unescape(std::string_view escaped) {
  std::string text;
  text.reserve(escaped.size());
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      text += escaped[i];
      continue;
    }
    const char kind = i + 1 < escaped.size() ? escaped[i + 1] : '\0';
    if (kind == '\\' || kind == 'n' || kind == 'r' || kind == 't') {
      text += kind == 'n' ? '\n' : kind == 'r' ? '\r' : kind == 't' ? '\t' : '\\';
      ++i;
      continue;
    }
    if (kind != 'x' || i + 2 + kHexEscapeDigits > escaped.size()) {
      return {std::nullopt, i};
    }
    const char* digits = escaped.data() + i + 2;
    std::uint8_t byte = 0;
    const auto read = std::from_chars(digits, digits + kHexEscapeDigits, byte, 16);
    if (read.ptr != digits + kHexEscapeDigits) {
      return {std::nullopt, i};
    }
    text += static_cast<char>(byte);
    i += 1 + kHexEscapeDigits;
  }
  return {std::move(text), 0};
}

}  // namespace quibbet::record
