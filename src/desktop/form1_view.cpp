#include "desktop/form1_view.h"

#include <QPainter>

#include "common/twips.h"
#include "desktop/accessible_window.h"
#include "desktop/control_widgets.h"
#include "desktop/input_codes.h"
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
  // The pointer is followed without a button held, and the window can hold the focus itself
  // without ever being a stop of the Tab key.
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);

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
  // The window's own keys (the spacebar's freeze) belong to play: once the game-over screen
  // shows its controls, the first of them in tab order takes the keys instead.
  for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
    if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled() && next->isVisibleTo(this)) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
  setFocus();
}

void Form1View::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PaintForm1(painter, form_);
}

void Form1View::mouseMoveEvent(QMouseEvent* event) {
  const QPointF twips = event->position() * kTwipsPerPixel;
  emit pointerMoved(ToButtonState(event->buttons()), ToShiftState(event->modifiers()),
                    static_cast<float>(twips.x()), static_cast<float>(twips.y()));
}

void Form1View::keyPressEvent(QKeyEvent* event) {
  // A key that a focused button or the name box passed on is not the window's key-down.
  const QWidget* focused = focusWidget();
  if (focused != nullptr && focused != this) {
    WindowView::keyPressEvent(event);
    return;
  }
  emit keyDown(ToKeyCode(event->key()), ToShiftState(event->modifiers()));
}

}  // namespace quibbet
