#include "desktop/font_config_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace quibbet {

FontConfigWarmUp::FontConfigWarmUp() : reading_([] { FcInit(); }) {}

void FontConfigWarmUp::Wait() {
  if (reading_.joinable()) {
    reading_.join();
  }
}

}  // namespace quibbet
