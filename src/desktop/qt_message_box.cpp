// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

void ApplyStyle(QMessageBox& box, MsgBoxStyle style) {
  switch (style) {
    case MsgBoxStyle::kInformation:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      return;
    case MsgBoxStyle::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      // Escape and the title bar's close box answer No rather than leave the question open.
      box.setEscapeButton(QMessageBox::No);
      return;
    case MsgBoxStyle::kOkOnly:
      box.setStandardButtons(QMessageBox::Ok);
      return;
  }
}

MsgBoxAnswer ToAnswer(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return MsgBoxAnswer::kYes;
    case QMessageBox::No:
      return MsgBoxAnswer::kNo;
    default:
      return MsgBoxAnswer::kOk;
  }
}

}  // namespace

MsgBoxAnswer QtMessageBox::Show(std::string_view text, std::string_view title, MsgBoxStyle style) {
  // Over the window the player is looking at; exec() makes it modal to the whole program.
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(ToQString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(text));
  ApplyStyle(box, style);
  box.exec();
  return ToAnswer(box.standardButton(box.clickedButton()));
}

}  // namespace quibbet
