// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/zoom_steps.h"

#include <algorithm>
#include <cmath>

namespace quibbet {

namespace {

constexpr int kSmallest = 50;
constexpr int kLargest = 200;
constexpr int kStep = 10;
// A scale within this much of a step is at it: 0.9 is not quite 90 / 100 in binary.
constexpr qreal kAtStep = 0.01;

}  // namespace

int ZoomedIn(qreal scale) {
  const auto above = static_cast<int>(std::floor(scale * 100 / kStep + kAtStep)) + 1;
  return std::clamp(above * kStep, kSmallest, kLargest);
}

int ZoomedOut(qreal scale) {
  const auto below = static_cast<int>(std::ceil(scale * 100 / kStep - kAtStep)) - 1;
  return std::clamp(below * kStep, kSmallest, kLargest);
}

int KeptZoom(std::optional<int> percent) {
  return percent && *percent >= kSmallest && *percent <= kLargest ? *percent : kActualSize;
}

}  // namespace quibbet
