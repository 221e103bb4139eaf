// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/form2.h"

namespace quibbet {

namespace {

Button MenuButton(Twips left, Twips top, std::string_view caption, Colour colour, int tabIndex) {
  return MakeButton({left, top, 2535, 615}, caption, {"Lithos Pro Regular", 15.75f, 850, true},
                    tabIndex, colour);
}

}  // namespace

Form2::Form2()
    : cmdplay(MenuButton(360, 3480, "Play", kGreen, 0)),
      cmdhowto(MenuButton(1080, 4320, "How To Play", kYellow, 1)),
      cmdabout(MenuButton(1800, 5160, "About", kRed, 2)),
      cmdexit(MenuButton(2400, 6120, "Exit", kMagenta, 3)) {}

}  // namespace quibbet
