// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>

// A script command that is malformed, or impossible in the state the program is in. The runner
// reports it with the script's line number and stops there.

namespace quibbet::replay {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quibbet::replay
