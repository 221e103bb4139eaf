// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/frmhelp.h"

namespace quibbet {

namespace {

constexpr std::string_view kLithos = "Lithos Pro Regular";

constexpr std::string_view kInstructions =
    "Use the mouse to move.  The goal of Quibbet 2 is to collect the yellow blocks in order for "
    "your score to increase.  Not only are you supposed to collect the yellow blocks, but you are "
    "supposed to avoid the red blocks, once you collect one you will lose the game.  However when "
    "you collect the blue power-up block, the red and yellow shapes will freeze for 4 seconds "
    "allowing you to easily collect the yellow blocks and increase your score. ";

constexpr std::string_view kBonusHint =
    "If you stay alive for 33 seconds, you are rewarded with a secret bonus shape! collect to "
    "figure out what it does!";

// The help texts draw on an opaque background and wrap between words.
Label HelpText(Geometry at, std::string_view text, Font font, Alignment alignment) {
  Label label = MakeLabel(at, text, font, alignment);
  label.opaque = true;
  label.wordWrap = true;
  return label;
}

Line Mark(Colour colour, Twips x1, Twips y1, Twips x2, Twips y2) {
  return {x1, y1, x2, y2, colour, 3};
}

}  // namespace

Frmhelp::Frmhelp()
    : Label1(HelpText({3480, 240, 3615, 495}, "Quibbet How To", {kLithos, 15.75f, 850, true},
                      Alignment::kLeft)),
      Label2(HelpText({840, 1080, 9135, 2415}, kInstructions, {kLithos, 12, 850, true},
                      Alignment::kCentre)),
      Label3(HelpText({3840, 3840, 2895, 1095}, kBonusHint, {kLithos, 8.25f, 850, false},
                      Alignment::kCentre)),
      Shape2(MakeSquare(kYellow, 1800, 5160, 375)),
      Shape3(MakeSquare(kBlue, 2760, 5280, 255)),
      Shape1(MakeSquare(kMagenta, 5160, 5400, 255)),
      shpred(MakeSquare(kRed, 7200, 4920, 855)),
      Line3(Mark(kGreen, 2160, 4440, 2400, 4680)),
      Line4(Mark(kGreen, 2640, 4080, 2400, 4680)),
      Line1{Mark(kRed, 7920, 4200, 7320, 4680), Mark(kRed, 7320, 4200, 7920, 4680)},
      Command1(MakeButton({3720, 6360, 2415, 615}, "Back to Main Menu", {kLithos, 9.75f, 850, true},
                          2, kYellow)) {}

}  // namespace quibbet
