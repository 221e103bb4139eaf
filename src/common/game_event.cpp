// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common/game_event.h"

namespace quibbet {

namespace {

class Ignored final : public EventListener {
 public:
  void On(const GameEvent& /*event*/) override {}
};

}  // namespace

EventListener& IgnoredEvents() {
  static Ignored ignored;
  return ignored;
}

}  // namespace quibbet
