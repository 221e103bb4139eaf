#pragma once

#include <string_view>

#include "game/controls.h"
#include "shell/shell.h"

// Where a click on a named button goes: the window that holds the button, how to find the
// button there (to see whether it is shown) and the handler the desktop program runs for it.

namespace quibbet::replay {

struct ButtonRoute {
  std::string_view name;
  Window window;
  const Button* (*find)(const Shell&);  // null while the window is not loaded
  void (*click)(Shell&);
};

// Null for a name that is no button of the game.
const ButtonRoute* ButtonNamed(std::string_view name);

}  // namespace quibbet::replay
