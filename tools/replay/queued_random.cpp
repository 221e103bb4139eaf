// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/queued_random.h"

#include <utility>

namespace quibbet::replay {

QueuedRandom::QueuedRandom() : generator_(std::make_unique<FixedSeedRandom>()) {}

void QueuedRandom::ReplaceGenerator(std::unique_ptr<RandomSource> generator) {
  generator_ = std::move(generator);
}

float QueuedRandom::Next() {
  if (queue_.empty()) {
    return generator_->Next();
  }
  const float r = queue_.front();
  queue_.pop_front();
  return r;
}

}  // namespace quibbet::replay
