// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real message boxes: each style brings the buttons, default button and icon the game's
// boxes call for, shows its text literally, and returns the answer clicked.

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "desktop/qt_message_box.h"
#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// Shows a box and, once it is up, lets inspect look at it and pick the button to click.
MsgBoxAnswer ShowAndAnswer(
    MsgBoxStyle style, const std::function<QMessageBox::StandardButton(QMessageBox&)>& inspect) {
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr) << "a modal box is open";
    box->button(inspect(*box))->click();
  });
  return QtMessageBox().Show("<i>Are</i> you sure?", "End program", style);
}

TEST(QtMessageBoxTest, YesNoHasYesAsDefaultAndNoIcon) {
  const MsgBoxAnswer answer = ShowAndAnswer(MsgBoxStyle::kYesNo, [](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), u"End program"_s);
    EXPECT_EQ(box.text(), u"<i>Are</i> you sure?"_s);
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
    return QMessageBox::Yes;
  });
  EXPECT_EQ(static_cast<int>(answer), 6);
  EXPECT_EQ(ShowAndAnswer(MsgBoxStyle::kYesNo, [](QMessageBox&) { return QMessageBox::No; }),
            MsgBoxAnswer::kNo);
}

TEST(QtMessageBoxTest, OkBoxesHaveTheInformationIconOnlyWhenAskedFor) {
  for (const auto& [style, icon] : {std::pair{MsgBoxStyle::kInformation, QMessageBox::Information},
                                    std::pair{MsgBoxStyle::kOkOnly, QMessageBox::NoIcon}}) {
    const MsgBoxAnswer answer = ShowAndAnswer(style, [icon = icon](QMessageBox& box) {
      EXPECT_EQ(box.icon(), icon);
      EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
      return QMessageBox::Ok;
    });
    EXPECT_EQ(answer, MsgBoxAnswer::kOk);
  }
}

}  // namespace
}  // namespace quibbet::testing
