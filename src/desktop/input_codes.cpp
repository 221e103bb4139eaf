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

}  // namespace quibbet
