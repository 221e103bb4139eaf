// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/form1.h"

// The game window as designed: every control at its place, size, look and text.

namespace quibbet {

namespace {

constexpr std::string_view kSansSerif = "MS Sans Serif";
constexpr std::string_view kLithos = "Lithos Pro Regular";
constexpr std::string_view kBookman = "Bookman Old Style";

struct BlockDesign {
  Colour colour;
  Twips size;
  Twips left;
  Twips top;
};

constexpr std::array<BlockDesign, kBlockCount> kBlocks = {{
    {kRed, 615, 120, 960},
    {kRed, 615, 120, 1800},
    {kRed, 615, 120, 2640},
    {kRed, 615, 120, 3600},
    {kYellow, 375, 240, 4560},
    {kYellow, 375, 240, 5160},
    {kYellow, 375, 240, 5760},
    {kYellow, 375, 240, 6480},
    {kBlue, 255, 240, 7560},
    {kMagenta, 255, 240, 7080},
}};

}  // namespace

Form1::Form1(RandomSource& random, MessageBox& box, EventListener& events, HighScoreStore& store)
    : table(MakeHighScoreTable(store.Load())),
      random_(random),
      box_(box),
      events_(events),
      store_(store) {
  shpinfo.width = kForm1ScaleWidth;
  shpinfo.height = 735;
  shpinfo.filled = false;
  shpinfo.borderWidth = 1;

  lblspacebar =
      MakeLabel({240, 120, 4215, 495}, "Hit Spacebar To Freeze Enemies!", {kSansSerif, 12, 700});
  lblspacebar.visible = false;
  lblcount = MakeLabel({1920, 120, 615, 495}, "", {kSansSerif, 18, 700}, Alignment::kCentre);
  lblscore1 = MakeLabel({4920, 120, 975, 495}, "Score", {kSansSerif, 13.5f, 400});
  lblscore = MakeLabel({5760, 120, 1215, 495}, "0", {kSansSerif, 18, 700}, Alignment::kCentre);
  lblhigh1 = MakeLabel({8280, 120, 1455, 375}, "High Score", {kSansSerif, 13.5f, 400});
  lblhigh = MakeLabel({9960, 120, 975, 375}, "0", {kSansSerif, 13.5f, 700});

  shpgreen = MakeSquare(kGreen, 9720, 4080, 375);
  for (int i = 0; i < kBlockCount; ++i) {
    shpother[i] = MakeSquare(kBlocks[i].colour, kBlocks[i].left, kBlocks[i].top, kBlocks[i].size);
  }

  lblname = MakeLabel({2160, 1080, 2415, 495}, "Enter Name:", {kSansSerif, 18, 700});
  static_cast<Geometry&>(txtname) = {5160, 1080, 3255, 495};
  txtname.font = {kSansSerif, 18, 700};
  txtname.tabIndex = 7;
  txtname.backColor = kLightGrey;
  lblcurrentscore = MakeLabel({8640, 1080, 615, 375}, "100", {kSansSerif, 13.5f, 700});
  cmdsubmit = MakeButton({4440, 1680, 1695, 375}, "Submit Score", {kSansSerif, 8.25f, 700}, 24);
  lblalltime = MakeLabel({3600, 2280, 3495, 495}, "All Time High Scores", {kSansSerif, 13.5f, 700},
                         Alignment::kCentre);
  cmdreset =
      MakeButton({3840, 6000, 2895, 615}, "Click To Play Again", {kBookman, 12, 600, true}, 3);
  cmdmain =
      MakeButton({4320, 6960, 1935, 495}, "Go To Main Menu", {kLithos, 8.25f, 850}, 27, kGreen);
}

}  // namespace quibbet
