// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "shell/shell.h"

// The windows by name, as replay scripts, dumps and the web page name them.

namespace quibbet {

std::optional<Window> WindowNamed(std::string_view name);
std::string_view NameOf(Window window);

}  // namespace quibbet
