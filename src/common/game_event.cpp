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
