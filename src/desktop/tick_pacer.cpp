#include "desktop/tick_pacer.h"

namespace quibbet {

void TickPacer::Restart(Duration now) {
  last_ = now;
  // Starting half a step in puts every tick boundary midway between two timer events of the
  // step's period, so a timer that fires a little early or late still yields one tick each time
  // instead of none and then two.
  owed_ = kStep / 2;
}

int TickPacer::TicksDue(Duration now) {
  owed_ += now - last_;
  last_ = now;
  const auto due = owed_ / kStep;
  if (due > kMaxTicksPerCall) {
    owed_ %= kStep;
    return kMaxTicksPerCall;
  }
  owed_ -= due * kStep;
  return static_cast<int>(due);
}

}  // namespace quibbet
