// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

// The modal message box as the rules use it: text, title and style in, the user's answer out.
// The desktop program shows a real box; tests and the replay driver script the answers.

namespace quibbet {

enum class MsgBoxStyle : std::int16_t {
  kOkOnly = 0,
  kYesNo = 4,
  kInformation = 64,  // OK with an information icon
};

enum class MsgBoxAnswer : std::int16_t {
  kOk = 1,
  kYes = 6,
  kNo = 7,
};

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows the box and waits until the user dismisses it.
  virtual MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) = 0;
};

}  // namespace quibbet
