// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/sdl_gamepads.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

namespace quibbet {

namespace {

using namespace std::chrono_literals;

constexpr std::array<std::pair<SDL_GameControllerButton, GamepadButton>, 6> kButtons = {{
    {SDL_CONTROLLER_BUTTON_A, kPadSouth},
    {SDL_CONTROLLER_BUTTON_START, kPadStart},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, kPadUp},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, kPadDown},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, kPadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, kPadRight},
}};

// -1 to 1, as the browsers give a stick: SDL's reach one step further to the left and up.
float Axis(SDL_GameController* pad, SDL_GameControllerAxis axis) {
  return std::max(-1.0F,
                  static_cast<float>(SDL_GameControllerGetAxis(pad, axis)) / SDL_JOYSTICK_AXIS_MAX);
}

// Each button from any pad, the stick from the first.
GamepadState StateOf(const std::vector<SDL_GameController*>& pads) {
  GamepadState state;
  if (!pads.empty()) {
    state.x = Axis(pads.front(), SDL_CONTROLLER_AXIS_LEFTX);
    state.y = Axis(pads.front(), SDL_CONTROLLER_AXIS_LEFTY);
  }
  for (SDL_GameController* pad : pads) {
    for (const auto& [button, bit] : kButtons) {
      if (SDL_GameControllerGetButton(pad, button) != 0) {
        state.buttons |= 1U << bit;
      }
    }
  }
  return state;
}

void TakeDeviceEvents(std::vector<SDL_GameController*>& pads) {
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
      if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
        pads.push_back(pad);
      }
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
      SDL_GameController* pad = SDL_GameControllerFromInstanceID(event.cdevice.which);
      if (std::erase(pads, pad) > 0) {
        SDL_GameControllerClose(pad);
      }
    }
  }
}

}  // namespace

void ReadSdlGamepads(GamepadListener& listener) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "quibbet: no gamepads (%s)\n", SDL_GetError());
    return;
  }
  std::vector<SDL_GameController*> pads;
  GamepadState last;
  do {
    TakeDeviceEvents(pads);
    const GamepadState state = StateOf(pads);
    if (state.x != last.x || state.y != last.y || state.buttons != last.buttons) {
      last = state;
      listener.Heard(state);
    }
  } while (listener.Wait(pads.empty() ? 250ms : 8ms));
  for (SDL_GameController* pad : pads) {
    SDL_GameControllerClose(pad);
  }
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace quibbet
