// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The gamepads' reader against SDL's virtual pad: what the player does with it reaches the
// listener as the standard pad's state, each change once.

#include "desktop/sdl_gamepads.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quibbet {
namespace {

// Runs one step of the player's on each wait, and stops after the last.
class ScriptedListener final : public GamepadListener {
 public:
  explicit ScriptedListener(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {}
  void Heard(const GamepadState& state) override { heard.push_back(state); }
  bool Wait(std::chrono::milliseconds /*time*/) override {
    if (next_ == steps_.size()) {
      return false;
    }
    steps_[next_++]();
    return true;
  }
  std::vector<GamepadState> heard;

 private:
  std::vector<std::function<void()>> steps_;
  std::size_t next_ = 0;
};

TEST(SdlGamepads, APadPluggedInIsReadAsTheStandardPad) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
  const int device = SDL_JoystickAttachVirtual(
      SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(device, 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(device);
  ASSERT_NE(pad, nullptr) << SDL_GetError();
  const auto press = [pad](SDL_GameControllerButton button, bool down) {
    return [=] { SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0); };
  };
  ScriptedListener listener({
      [] {},  // the pad at rest: nothing to tell
      press(SDL_CONTROLLER_BUTTON_A, true),
      [] {},  // still held: told once
      press(SDL_CONTROLLER_BUTTON_A, false),
      [pad] { SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_JOYSTICK_AXIS_MIN); },
      press(SDL_CONTROLLER_BUTTON_START, true),
      [] {},
  });
  ReadSdlGamepads(listener);
  SDL_JoystickClose(pad);
  SDL_JoystickDetachVirtual(device);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);

  ASSERT_EQ(listener.heard.size(), 4U);
  EXPECT_EQ(listener.heard[0].buttons, 1U << kPadSouth);
  EXPECT_EQ(listener.heard[1].buttons, 0U);
  EXPECT_FLOAT_EQ(listener.heard[2].x, -1.0F);
  EXPECT_EQ(listener.heard[3].buttons, 1U << kPadStart);
}

}  // namespace
}  // namespace quibbet
