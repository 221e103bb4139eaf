// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <memory>

#include "common/random_source.h"

// The game's random source with a queue of scripted draws in front of it: RandomBetween takes
// the queued draws first, first in first out, and the generator's only once the queue is empty.

namespace quibbet::replay {

class QueuedRandom final : public RandomSource {
 public:
  // Starts with the program's own fixed-seed generator and an empty queue.
  QueuedRandom();

  void Queue(float r) { queue_.push_back(r); }
  // Draws already queued stay queued.
  void ReplaceGenerator(std::unique_ptr<RandomSource> generator);
  float Next() override;

 private:
  std::deque<float> queue_;
  std::unique_ptr<RandomSource> generator_;
};

}  // namespace quibbet::replay
