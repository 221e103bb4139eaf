// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/input_codes.h"

#include <array>
#include <utility>

namespace quibbet {

namespace {

constexpr std::array<std::pair<int, std::int16_t>, 12> kNamedKeys = {{
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
}};

constexpr std::array<std::pair<Qt::KeyboardModifier, std::int16_t>, 3> kShiftBits = {{
    {Qt::ShiftModifier, 1},
    {Qt::ControlModifier, 2},
    {Qt::AltModifier, 4},
}};

constexpr std::array<std::pair<Qt::MouseButton, std::int16_t>, 3> kButtonBits = {{
    {Qt::LeftButton, 1},
    {Qt::RightButton, 2},
    {Qt::MiddleButton, 4},
}};

template <typename Flags, typename Flag, std::size_t N>
std::int16_t ToBits(Flags flags, const std::array<std::pair<Flag, std::int16_t>, N>& table) {
  std::int16_t bits = 0;
  for (const auto& [flag, bit] : table) {
    if (flags.testFlag(flag)) {
      bits = static_cast<std::int16_t>(bits | bit);
    }
  }
  return bits;
}

}  // namespace

std::int16_t ToKeyCode(int qtKey) {
  const bool coincides = qtKey == Qt::Key_Space || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
                         (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z);
  if (coincides) {
    return static_cast<std::int16_t>(qtKey);
  }
  for (const auto& [key, code] : kNamedKeys) {
    if (key == qtKey) {
      return code;
    }
  }
  return 0;
}

std::int16_t ToShiftState(Qt::KeyboardModifiers modifiers) {
  return ToBits(modifiers, kShiftBits);
}

std::int16_t ToButtonState(Qt::MouseButtons buttons) {
  return ToBits(buttons, kButtonBits);
}

}  // namespace quibbet
