// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frontend/key_steering.h"

#include <algorithm>
#include <chrono>

#include "game/form1.h"
#include "game/pace.h"

namespace quibbet {

namespace {

enum KeyBit : unsigned { kLeft = 1, kUp = 2, kRight = 4, kDown = 8, kShift = 16 };

unsigned BitOf(std::int16_t code) {
  switch (code) {
    case 37:  // Left
    case 'A':
      return kLeft;
    case 38:  // Up
    case 'W':
      return kUp;
    case 39:  // Right
    case 'D':
      return kRight;
    case 40:  // Down
    case 'S':
      return kDown;
    case 16:
      return kShift;
    default:
      return 0;
  }
}

constexpr double kSecondsToCross = 1.5;
constexpr double kTicksToCross = kSecondsToCross / std::chrono::duration<double>(kTickStep).count();
constexpr Twips kStep = static_cast<Twips>(kForm1ScaleWidth / kTicksToCross);
constexpr Twips kFineStep = kStep / 4;

// -1, 0 or 1: which of two opposite keys wins, none when both are held.
int Direction(unsigned held, unsigned less, unsigned more) {
  return ((held & more) != 0 ? 1 : 0) - ((held & less) != 0 ? 1 : 0);
}

}  // namespace

bool KeySteering::Press(std::int16_t code) {
  held_ |= BitOf(code);
  return BitOf(code) != 0;
}

void KeySteering::Release(std::int16_t code) {
  held_ &= ~BitOf(code);
}

bool KeySteering::Steering() const {
  return (held_ & (kLeft | kUp | kRight | kDown)) != 0;
}

std::optional<PointerPosition> KeySteering::Step(const Form1& form) const {
  if (!Steering()) {
    return std::nullopt;
  }
  const Twips step = (held_ & kShift) != 0 ? kFineStep : kStep;
  const Shape& square = form.shpgreen;
  // The field a pointer in the window reaches, less the square, below the score bar.
  const Twips top = form.shpinfo.top + form.shpinfo.height;
  const Twips right = form.ScaleWidth() - square.width;
  const Twips bottom = form.ScaleHeight() - square.height;
  return PointerPosition{
      std::clamp(square.left + step * static_cast<Twips>(Direction(held_, kLeft, kRight)), Twips{0},
                 right),
      std::clamp(square.top + step * static_cast<Twips>(Direction(held_, kUp, kDown)), top,
                 bottom)};
}

}  // namespace quibbet
