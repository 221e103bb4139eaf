// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "record/shown_message.h"
#include "shell/shell.h"

namespace quibbet::record {

// The state a dump prints: whether the program has ended, each window's state, the message
// boxes shown since the previous dump and, while the game window is loaded, its game.
nlohmann::ordered_json StateToJson(const Shell& shell, const std::vector<ShownMessage>& messages);

}  // namespace quibbet::record
