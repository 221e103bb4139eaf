// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "common/colour.h"
#include "common/window.h"

// What happened in the game, told to whoever listens: the views, and later a sound, a statistic
// or an achievement. Listeners only hear; no rule waits for one or reads what it does.

namespace quibbet {

enum class EventKind {
  kRoundStarted,
  kRoundLost,
  kBlockCollected,  // block: the colour of the block picked up
  kFreezeStarted,
  kFreezeEnded,
  kScoreEntered,  // row: where the score went, 0 for the top row
  kScoreRefused,
  kWindowLoaded,  // window: for these four
  kWindowShown,
  kWindowHidden,
  kWindowUnloaded,
  kSquareMoved,  // the player's square followed the pointer and nothing else changed
  kProgramEnded,
};

struct GameEvent {
  EventKind kind;
  Window window = Window::kForm1;
  Colour block = 0;
  int row = 0;

  friend bool operator==(const GameEvent&, const GameEvent&) = default;
};

class EventListener {
 public:
  virtual ~EventListener() = default;
  virtual void On(const GameEvent& event) = 0;
};

// Passes each event to every listener, in the order they began to listen.
class EventHub final : public EventListener {
 public:
  void Listen(EventListener& listener) { listeners_.push_back(&listener); }
  void On(const GameEvent& event) override {
    for (EventListener* listener : listeners_) {
      listener->On(event);
    }
  }

 private:
  std::vector<EventListener*> listeners_;
};

// A listener that hears nothing, for a window model that runs on its own.
EventListener& IgnoredEvents();

}  // namespace quibbet
