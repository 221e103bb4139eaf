// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "replay/command.h"

namespace quibbet::replay {

// Line number (from 1) of a script, without its line break: nothing for a blank line or a comment,
// otherwise its command. Throws ScriptError for a line that is not a well-formed command.
std::optional<Command> ParseLine(std::string_view line, long number);

}  // namespace quibbet::replay
