// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/form1_view.h"

#include <QPainter>

#include "common/twips.h"
#include "desktop/accessible_window.h"
#include "desktop/control_widgets.h"
#include "desktop/input_codes.h"
#include "desktop/paused_notice.h"
#include "desktop/qt_convert.h"
#include "desktop/shape_painter.h"

namespace quibbet {

namespace {

QString Indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1StringView(name)).arg(index);
}

}  // namespace

Form1View::Form1View(const Form1& form)
    : WindowView(kForm1Caption, ToPixels(0, 0, kForm1ScaleWidth, kForm1ScaleHeight).size()),
      form_(form),
      cmdreset_(AddButton(*this, form.cmdreset, QStringLiteral("cmdreset"))),
      txtname_(AddTextBox(*this, form.txtname, QStringLiteral("txtname"))),
      cmdsubmit_(AddButton(*this, form.cmdsubmit, QStringLiteral("cmdsubmit"))),
      cmdmain_(AddButton(*this, form.cmdmain, QStringLiteral("cmdmain"))) {
  // A fixed border with a close box and no minimize or maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(size());
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(kWhite));
  setPalette(background);
  setAutoFillBackground(true);
  // The pointer is followed without a button held. The window holds the focus only while no
  // control is shown, and only because it is given it: a click on the background of the
  // game-over screen leaves the focus in its control.
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);

  AddMirroredLabel(form.lblspacebar, QStringLiteral("lblspacebar"));
  AddMirroredLabel(form.lblcount, QStringLiteral("lblcount"));
  AddMirroredLabel(form.lblscore1, QStringLiteral("lblscore1"));
  AddMirroredLabel(form.lblscore, QStringLiteral("lblscore"));
  AddMirroredLabel(form.lblhigh1, QStringLiteral("lblhigh1"));
  AddMirroredLabel(form.lblhigh, QStringLiteral("lblhigh"));
  // The name box is known by its label, as a screen reader announces it.
  AddMirroredLabel(form.lblname, QStringLiteral("lblname"))->setBuddy(txtname_);
  AddMirroredLabel(form.lblcurrentscore, QStringLiteral("lblcurrentscore"));
  AddMirroredLabel(form.lblalltime, QStringLiteral("lblalltime"));
  AddTable();
  SetTabOrder({{form.cmdreset.tabIndex, cmdreset_},
               {form.txtname.tabIndex, txtname_},
               {form.cmdsubmit.tabIndex, cmdsubmit_},
               {form.cmdmain.tabIndex, cmdmain_}});
  connect(txtname_, &QLineEdit::returnPressed, cmdsubmit_, &QPushButton::click);
  Refresh();
}

QLabel* Form1View::AddMirroredLabel(const Label& label, const QString& name) {
  labels_.push_back({AddLabel(*this, label, name), &label});
  return labels_.back().widget;
}

void Form1View::AddTable() {
  for (int row = 0; row < kTableRows; ++row) {
    AddMirroredLabel(form_.table.lblscorenumber[row], Indexed("lblscorenumber", row));
    AddMirroredLabel(form_.table.lblhighname[row], Indexed("lblhighname", row));
    AddMirroredLabel(form_.table.lbluserscore[row], Indexed("lbluserscore", row));
  }
}

void Form1View::Refresh() {
  for (const MirroredLabel& mirrored : labels_) {
    Mirror(*mirrored.widget, *mirrored.label);
  }
  Mirror(*cmdreset_, form_.cmdreset);
  Mirror(*txtname_, form_.txtname);
  Mirror(*cmdsubmit_, form_.cmdsubmit);
  Mirror(*cmdmain_, form_.cmdmain);
  KeepKeyboardFocus();
  squareShown_ = SquarePixels();
  update();
}

void Form1View::RepaintSquare() {
  const QRect now = SquarePixels();
  update(QRegion(squareShown_).united(now));
  squareShown_ = now;
}

QRect Form1View::SquarePixels() const {
  const Shape& square = form_.shpgreen;
  const QRectF twips(square.left, square.top, square.width, square.height);
  const QRectF pixels(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel);
  return pixels.toAlignedRect().adjusted(-1, -1, 1, 1);
}

std::vector<NamedShape> Form1View::NamedShapes() const {
  std::vector<NamedShape> shapes{{QStringLiteral("Player"), &form_.shpgreen}};
  for (const Shape& block : form_.shpother) {
    shapes.push_back({BlockName(block.backColor), &block});
  }
  return shapes;
}

void Form1View::KeepKeyboardFocus() {
  const QWidget* focused = focusWidget();
  if (focused != nullptr && focused != this && focused->isVisibleTo(this)) {
    return;
  }
  // The spacebar belongs to play, and a player may still be tapping it as the round ends: in
  // the name box it types, where on a button it would start the next round before the score
  // could be entered. The name can be typed at once, after what the box already holds.
  if (txtname_->isVisibleTo(this)) {
    txtname_->setFocus(Qt::OtherFocusReason);
    txtname_->end(false);
    return;
  }
  setFocus(Qt::OtherFocusReason);
}

void Form1View::SetPaused(bool paused) {
  paused = paused && form_.Timer1.enabled;
  if (paused == paused_) {
    return;
  }
  paused_ = paused;
  update();
  emit pausedChanged();
}

void Form1View::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PaintForm1(painter, form_);
  if (paused_) {
    PaintPausedNotice(painter, rect());
  }
}

void Form1View::mouseMoveEvent(QMouseEvent* event) {
  if (paused_) {
    return;
  }
  const QPointF twips = event->position() * kTwipsPerPixel;
  emit pointerMoved(static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

void Form1View::keyPressEvent(QKeyEvent* event) {
  // A key that a focused button or the name box passed on is not the window's key-down.
  const QWidget* focused = focusWidget();
  if (focused != nullptr && focused != this) {
    WindowView::keyPressEvent(event);
    return;
  }
  if (event->key() == Qt::Key_P) {
    // Held down, P would flicker between paused and playing.
    if (!event->isAutoRepeat()) {
      SetPaused(!paused_);
    }
    return;
  }
  if (!paused_) {
    emit keyDown(ToKeyCode(event->key()));
  }
}

// A minimised window hides the round from the player, who would lose it unseen; back on screen
// it waits for P, so play never resumes before the player is ready.
void Form1View::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    SetPaused(true);
  }
  WindowView::changeEvent(event);
}

}  // namespace quibbet
