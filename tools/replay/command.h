#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "common/message_box.h"
#include "replay/button_route.h"
#include "shell/shell.h"

// One script command, as parsed: its words checked and its numbers converted, but not yet
// checked against the state of the program.

namespace quibbet::replay {

struct Click {
  const ButtonRoute* button;
};
struct Close {
  Window window;
};
struct Answer {
  MsgBoxAnswer answer;
};
struct Tick {
  std::int64_t count;
};
struct Move {
  float x;
  float y;
};
struct Key {
  std::int16_t code;
};
struct Type {
  std::string text;
};
struct Rand {
  std::vector<float> draws;
};
struct UseLcg {
  std::uint32_t seed;
};
struct Dump {};

using Command = std::variant<Click, Close, Answer, Tick, Move, Key, Type, Rand, UseLcg, Dump>;

}  // namespace quibbet::replay
