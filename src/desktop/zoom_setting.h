// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

// Where the desktop keeps the player's zoom of its windows, in percent, from one run to the
// next.

namespace quibbet {

class ZoomSetting {
 public:
  virtual ~ZoomSetting() = default;
  // None when the player never chose, or the choice cannot be read.
  virtual std::optional<int> Read() = 0;
  virtual void Write(int percent) = 0;
};

// In the player's settings file, as "zoom=150".
class QtZoomSetting final : public ZoomSetting {
 public:
  std::optional<int> Read() override;
  void Write(int percent) override;
};

}  // namespace quibbet
