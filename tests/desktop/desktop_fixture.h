// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>

#include "common/random_source.h"
#include "desktop/controller.h"
#include "desktop/form1_view.h"
#include "desktop/form2_view.h"
#include "desktop/frmhelp_view.h"
#include "test_support.h"

// The desktop program started at its menu, with its message boxes answered by the test.

namespace quibbet::testing {

class DesktopTest : public ::testing::Test {
 protected:
  DesktopTest() : controller_(random_, box_), finished_(&controller_, &Controller::finished) {
    controller_.Start();
  }
  ~DesktopTest() override { LiveWindows(); }

  Form2View* menu() const { return qobject_cast<Form2View*>(controller_.view(Window::kForm2)); }
  FrmhelpView* help() const {
    return qobject_cast<FrmhelpView*>(controller_.view(Window::kFrmhelp));
  }
  Form1View* game() const { return qobject_cast<Form1View*>(controller_.view(Window::kForm1)); }
  Form1& form1() { return *controller_.shell().form1(); }

  // Top-level windows that exist, shown or hidden, once the windows that were left are deleted.
  static int LiveWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::topLevelWidgets().size());
  }

  static void Click(QPushButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    button->click();
  }

  // Ends the round on a red block: the square is put on block 0 and one tick runs.
  void LoseRound() {
    Shape& red = form1().shpother[0];
    red.left = 3000;
    red.top = 3000;
    controller_.shell().MovePointer(3100, 3100);
    controller_.RunTicks(1);
    ASSERT_FALSE(form1().Timer1.enabled);
  }

  static QImage Picture(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  FixedSeedRandom random_;
  RecordingMessageBox box_;
  Controller controller_;
  QSignalSpy finished_;
};

}  // namespace quibbet::testing
