// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// Where a front end keeps whether the player wants sound, from one run to the next.

namespace quibbet {

class SoundSetting {
 public:
  virtual ~SoundSetting() = default;
  // None when the player never chose, or the choice cannot be read.
  virtual std::optional<bool> Read() = 0;
  virtual void Write(bool on) = 0;
};

}  // namespace quibbet
