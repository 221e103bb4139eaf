// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/rectangle.h"

#include <algorithm>

#include "common/rounding.h"

namespace quibbet {

EdgeRect EdgesOf(const Shape& shape) {
  const float right = shape.left + shape.width;
  const float bottom = shape.top + shape.height;
  return {RoundToInt32(shape.left), RoundToInt32(shape.top), RoundToInt32(right),
          RoundToInt32(bottom)};
}

bool Overlap(const EdgeRect& a, const EdgeRect& b) {
  return std::max(a.left, b.left) < std::min(a.right, b.right) &&
         std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

}  // namespace quibbet
