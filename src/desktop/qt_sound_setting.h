// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "frontend/sound_setting.h"

// Whether the player wants sound, in $XDG_CONFIG_HOME/quibbet/quibbet.ini (~/.config unless
// XDG_CONFIG_HOME says otherwise): "sound=false" once M turned it off.

namespace quibbet {

class QtSoundSetting final : public SoundSetting {
 public:
  std::optional<bool> Read() override;
  void Write(bool on) override;
};

}  // namespace quibbet
