// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace quibbet {

FontConfigWarmUp::FontConfigWarmUp()
    : reading_([] {
        // Left to itself the C library would give this thread a heap of its own, whose spare
        // room would show in the program's peak memory; the game allocates little, and one heap
        // serves all its threads.
        mallopt(M_ARENA_MAX, 1);
        FcInit();
      }) {}

void FontConfigWarmUp::Wait() {
  if (reading_.joinable()) {
    reading_.join();
  }
}

}  // namespace quibbet
