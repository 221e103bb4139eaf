#pragma once

#include <cstdint>

#include "game/controls.h"

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

}  // namespace quibbet
