// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "common/controls.h"

// The collision test's view of a shape: four signed 32-bit edges in twips, left, top, right,
// bottom, each rounded half to even from the single-precision properties.

namespace quibbet {

struct EdgeRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// right = round(Left + Width), the sum formed in single precision before it is rounded.
EdgeRect EdgesOf(const Shape& shape);

// Strict on both axes: rectangles that only share an edge do not overlap, and an empty
// rectangle overlaps nothing.
bool Overlap(const EdgeRect& a, const EdgeRect& b);

// Rounding never puts two values in the opposite order, so shapes whose unrounded edges are
// already apart on one axis are apart once rounded too. Most pairs that the tick tests are far
// apart, and this answers for them without rounding eight edges. NaN edges compare false here
// and are left to the full test.
inline bool ApartBeforeRounding(const Shape& a, const Shape& b) {
  const float aRight = a.left + a.width;
  const float aBottom = a.top + a.height;
  const float bRight = b.left + b.width;
  const float bBottom = b.top + b.height;
  return a.left >= bRight || b.left >= aRight || a.top >= bBottom || b.top >= aBottom;
}

}  // namespace quibbet
