// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "game/form1.h"
#include "test_support.h"

namespace quibbet::testing {

// A loaded game window with its first round started, on scripted draws.
class Form1Test : public ::testing::Test {
 protected:
  Form1Test() : form(random, box) { form.Form_Load(); }

  // Parks every block far left where no test's square can reach it.
  void ParkAllBlocks() {
    for (Shape& block : form.shpother) {
      block.left = -200000;
      block.top = 5000;
    }
  }

  void PlaceSquare(Twips left, Twips top, Twips size = 375) {
    form.shpgreen.left = left;
    form.shpgreen.top = top;
    form.shpgreen.width = size;
    form.shpgreen.height = size;
  }

  ScriptedRandom random;
  RecordingMessageBox box;
  Form1 form;
};

}  // namespace quibbet::testing
