// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/window_view.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "desktop/accessible_window.h"
#include "desktop/baked_picture.h"
#include "desktop/control_widgets.h"
#include "desktop/input_codes.h"
#include "desktop/paused_notice.h"
#include "desktop/qt_convert.h"
#include "desktop/shape_painter.h"
#include "desktop/window_keys.h"
#include "desktop/zoom_steps.h"

namespace quibbet {

namespace {

// The pixels a shape covers, with one to spare on each side for a fractional scale.
QRect Covered(const ControlView& shape, const TwipsMap& map) {
  return map.ToExactPixels(shape.left, shape.top, shape.width, shape.height)
      .toAlignedRect()
      .adjusted(-1, -1, 1, 1);
}

}  // namespace

WindowView::WindowView(Session& session, Window w) : session_(session), window_(w) {
  ExposeWindowsToAssistiveTechnology();
  const WindowDescription& shown = description();
  setWindowTitle(ToQString(shown.caption));
  resize(map_.ToPixels(0, 0, shown.width, shown.height).size());
  if (shown.backColor) {
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(*shown.backColor));
    setPalette(background);
    setAutoFillBackground(true);
  }
  std::vector<std::pair<int, QWidget*>> tabOrder;
  for (const ControlView& control : shown.controls) {
    QWidget* widget = AddControlWidget(*this, control, map_);
    widgets_.push_back(widget);
    painted_.push_back(Covered(control, map_));
    if (control.kind == ControlKind::kPicture) {
      // The band has a device pixel ratio of 1, so each of its pixels covers one logical pixel.
      picture_ = QPixmap::fromImage(MenuTitleBand.image());
    }
    if (widget == nullptr) {
      continue;
    }
    if (auto* button = qobject_cast<QPushButton*>(widget); button && control.button) {
      connect(button, &QPushButton::clicked, this, [this, click = *control.button] {
        session_.Click(click);
        emit inputTaken();
      });
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      connect(box, &QLineEdit::textEdited, this, [this](const QString& text) {
        session_.TypeName(text.toStdString());
        emit inputTaken();
      });
    }
    if (control.tabIndex >= 0) {
      widget->installEventFilter(this);
      tabOrder.emplace_back(control.tabIndex, widget);
    }
  }
  SetTabOrder(std::move(tabOrder));
  ApplyFocus();
}

void WindowView::Refresh(const WindowChange& change) {
  const WindowDescription& shown = description();
  for (std::size_t i = 0; i < shown.controls.size(); ++i) {
    if (!change.state && (change.controls & (std::uint64_t{1} << i)) == 0) {
      continue;
    }
    if (widgets_[i] != nullptr) {
      Mirror(*widgets_[i], shown.controls[i]);
    } else {
      RepaintShape(i);
    }
  }
  if (change.state || change.notice) {
    update();
  }
  if (change.state || change.focus) {
    ApplyFocus();
  }
}

void WindowView::RepaintShape(std::size_t index) {
  const QRect now = Covered(description().controls[index], map_);
  update(QRegion(painted_[index]).united(now));
  painted_[index] = now;
}

QSizeF WindowView::DesignSize() const {
  return {description().width, description().height};
}

void WindowView::SetScale(qreal scale) {
  scale_ = scale;
  if (!Letterboxed()) {
    const QSizeF design = DesignSize();
    SizeTo(TwipsMap(scale).ToPixels(0, 0, design.width(), design.height()).size());
  }
  Remap();
}

qreal WindowView::ScaleToFit(QSize room) const {
  return TwipsMap::Fitting(DesignSize(), room).scale();
}

void WindowView::Remap() {
  const TwipsMap now = Letterboxed() ? TwipsMap::Fitting(DesignSize(), size()) : TwipsMap(scale_);
  if (now == map_) {
    return;
  }
  map_ = now;
  const WindowDescription& shown = description();
  for (std::size_t i = 0; i < shown.controls.size(); ++i) {
    if (widgets_[i] != nullptr) {
      Place(*widgets_[i], shown.controls[i], map_);
    }
    painted_[i] = Covered(shown.controls[i], map_);
  }
  update();
}

// The window's whole content is drawn anew at its new size, never a picture of it stretched:
// it stays as sharp on a full screen as in its window.
void WindowView::ToggleFullScreen() {
  fillAsked_ = !Letterboxed();
  if (!fillAsked_) {
    showNormal();
    SetScale(scale_);
    return;
  }
  // Any size the window manager gives it: the content fits itself in.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  showFullScreen();
  // A window a compositor already shows on a full screen changes no state.
  Remap();
}

void WindowView::ApplyFocus() {
  const int focus = description().focus;
  if (focus == kWindowBody) {
    setFocus(Qt::OtherFocusReason);
    return;
  }
  QWidget* widget = widgets_[static_cast<std::size_t>(focus)];
  if (widget == nullptr || widget == focusWidget()) {
    return;
  }
  widget->setFocus(Qt::OtherFocusReason);
  // The name can be typed at once, after what the box already holds.
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    box->end(false);
  }
}

std::optional<int> WindowView::IndexOf(const QWidget* widget) const {
  if (widget == this) {
    return kWindowBody;
  }
  for (std::size_t i = 0; i < widgets_.size(); ++i) {
    if (widgets_[i] != nullptr && widgets_[i] == widget) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

std::vector<NamedShape> WindowView::NamedShapes() const {
  std::vector<NamedShape> shapes;
  for (const ControlView& control : description().controls) {
    if (control.kind == ControlKind::kShape && control.filled && control.backColor) {
      shapes.push_back({BlockName(*control.backColor), &control});
    }
  }
  return shapes;
}

QWidget* WindowView::WidgetNamed(std::string_view name) const {
  const std::optional<int> index = description().IndexOf(name);
  return index ? widgets_[static_cast<std::size_t>(*index)] : nullptr;
}

QPushButton* WindowView::ButtonNamed(std::string_view name) const {
  return qobject_cast<QPushButton*>(WidgetNamed(name));
}

void WindowView::closeEvent(QCloseEvent* event) {
  event->ignore();
  session_.Close(window_);
  emit inputTaken();
}

void WindowView::PaintBars(QPainter& painter) const {
  QPainterPath bars;
  bars.addRect(rect());
  const QSizeF design = DesignSize();
  bars.addRect(map_.ToExactPixels(0, 0, design.width(), design.height()));
  painter.fillPath(bars, Qt::black);
}

void WindowView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (Letterboxed()) {
    PaintBars(painter);
  }
  map_.ToDesignPixels(painter);
  // A block entering from the left is out of sight until it crosses the field's edge, in a
  // window's frame or in the bars beside a full-screen field alike.
  const QRectF field(QPointF(), DesignSize() / kTwipsPerPixel);
  painter.setClipRect(field);
  const WindowDescription& shown = description();
  for (const ControlView& control : shown.controls) {
    if (control.kind == ControlKind::kPicture) {
      // On a scaled screen or zoomed a picture pixel is several device pixels, filtered, not
      // blocky.
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(QPointF(control.left, control.top) / kTwipsPerPixel, picture_);
    }
  }
  PaintShapes(painter, shown);
  if (shown.paused) {
    PaintPausedNotice(painter, field.toRect());
  }
}

bool WindowView::PressWindowKey(const QKeyEvent& event) {
  const std::optional<WindowKey> key = WindowKeyOf(event);
  if (!key) {
    return false;
  }
  switch (*key) {
    case WindowKey::kFullScreen:
      ToggleFullScreen();
      break;
    case WindowKey::kZoomIn:
      emit zoomChosen(ZoomedIn(scale_));
      break;
    case WindowKey::kZoomOut:
      emit zoomChosen(ZoomedOut(scale_));
      break;
    case WindowKey::kActualSize:
      emit zoomChosen(kActualSize);
      break;
  }
  return true;
}

bool WindowView::PressKey(const QKeyEvent& event) {
  if (PressWindowKey(event)) {
    return true;
  }
  const bool taken = session_.PressKey(window_, ToKeyCode(event.key()), event.isAutoRepeat());
  if (taken) {
    emit inputTaken();
  }
  return taken;
}

void WindowView::keyPressEvent(QKeyEvent* event) {
  if (PressWindowKey(*event)) {
    return;
  }
  // A key that a focused control passed on is not the window's own.
  const QWidget* focused = focusWidget();
  const bool own = focused == nullptr || focused == this;
  if (!own || !PressKey(*event)) {
    QWidget::keyPressEvent(event);
  }
}

void WindowView::resizeEvent(QResizeEvent* event) {
  Remap();
  QWidget::resizeEvent(event);
}

void WindowView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) {
    Remap();
  }
  QWidget::changeEvent(event);
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    return PressKey(static_cast<const QKeyEvent&>(*event));
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace quibbet
