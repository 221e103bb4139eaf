// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Text written so that any text fits on one line of a script and nothing in it reaches a
// terminal as a control: "\\" a backslash, "\n", "\r" and "\t", and "\xHH" for every other
// control character (C0, DEL and C1, the last as its two UTF-8 bytes) and for every byte that
// is not part of a UTF-8 character. Everything else stands as it is.

namespace quibbet::record {

// Whether text holds something that escaping changes, a backslash aside: a line break, another
// control character, or a byte that is not UTF-8.
bool NeedsEscapes(std::string_view text);
std::string Escaped(std::string_view text);
// The same but for backslashes, which stay as they are: text from a script shown in a message,
// safe on a terminal and as the script's author wrote it.
std::string ControlsEscaped(std::string_view text);

// The text an escaped text stands for; when a backslash starts none of the escapes, nothing,
// and where that backslash is.
struct Unescaping {
  std::optional<std::string> text;
  std::size_t badEscape = 0;
};
Unescaping Unescape(std::string_view escaped);

}  // namespace quibbet::record
