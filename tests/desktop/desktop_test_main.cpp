// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop tests run on Qt's offscreen platform unless QT_QPA_PLATFORM names another, so
// they give the same results with or without a display and never put windows on a desktop.
// Its screen is large enough for every window at every scale tested, so none starts shrunk to
// fit unless a test gives it a small screen.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUIBBET_TEST_SCREEN);
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
