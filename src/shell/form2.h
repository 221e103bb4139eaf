// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "common/controls.h"

// The main menu window: a white window with the title picture and four coloured buttons in a
// descending staircase. It holds no data, so every load produces the same window.

namespace quibbet {

inline constexpr std::string_view kForm2Caption = "Welcome To Quibbet 2";
inline constexpr Twips kForm2ScaleWidth = 11070;
inline constexpr Twips kForm2ScaleHeight = 7470;

inline constexpr std::string_view kAboutText = "Programmed By Vantrello";
inline constexpr std::string_view kAboutTitle = "About Quibbet 2";
inline constexpr std::string_view kQuitText = "Are you sure you want to quit?";
inline constexpr std::string_view kQuitTitle = "End program";

struct Form2 {
  Form2();

  Colour backColor = kWhite;
  Button cmdplay;
  Button cmdhowto;
  Button cmdabout;
  Button cmdexit;
};

}  // namespace quibbet
