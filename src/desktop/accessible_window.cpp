// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/accessible_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "desktop/twips_map.h"
#include "desktop/window_view.h"

namespace quibbet {

namespace {

// One painted shape, looked up by its place in the window's list whenever it is asked about, so
// it always tells of the shape as it stands.
class AccessibleShape final : public QAccessibleInterface {
 public:
  AccessibleShape(WindowView& window, std::size_t index) : window_(&window), index_(index) {}

  // A hidden window may be on its way out with its game data already gone, so nothing is read
  // from it until it is shown again.
  bool isValid() const override { return window_ != nullptr && window_->isVisible(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(window_.data());
  }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && isValid() ? Current().name : QString();
  }

  QRect rect() const override {
    if (!Shown()) {
      return {};
    }
    const ControlView& shape = *Current().shape;
    const QRect local = window_->map().ToPixels(shape.left, shape.top, shape.width, shape.height);
    return {window_->mapToGlobal(local.topLeft()), local.size()};
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !Shown();
    return state;
  }

 private:
  NamedShape Current() const { return window_->NamedShapes()[index_]; }
  bool Shown() const { return isValid() && Current().shape->visible; }

  QPointer<WindowView> window_;
  std::size_t index_;
};

class AccessibleWindow final : public QAccessibleWidget {
 public:
  explicit AccessibleWindow(WindowView& window) : QAccessibleWidget(&window, QAccessible::Window) {}

  // The shapes' interfaces belong to Qt's accessibility cache, which hands out their ids.
  ~AccessibleWindow() override {
    for (QAccessible::Id id : shapes_) {
      QAccessible::deleteAccessibleInterface(id);
    }
  }

  int childCount() const override {
    return QAccessibleWidget::childCount() + static_cast<int>(Shapes().size());
  }

  QAccessibleInterface* child(int index) const override {
    const int controls = QAccessibleWidget::childCount();
    if (index < controls) {
      return index < 0 ? nullptr : QAccessibleWidget::child(index);
    }
    const auto shape = static_cast<std::size_t>(index - controls);
    return shape < Shapes().size() ? QAccessible::accessibleInterface(Shapes()[shape]) : nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QAccessible::Id>& shapes = Shapes();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
      if (QAccessible::accessibleInterface(shapes[i]) == child) {
        return QAccessibleWidget::childCount() + static_cast<int>(i);
      }
    }
    return QAccessibleWidget::indexOfChild(child);
  }

 private:
  // Made on first use: while the window is still being built it has not named its shapes yet.
  const std::vector<QAccessible::Id>& Shapes() const {
    auto& window = static_cast<WindowView&>(*widget());
    const std::size_t count = window.NamedShapes().size();
    while (shapes_.size() < count) {
      // Qt's accessibility cache owns the interface from here on.
      shapes_.push_back(
          QAccessible::registerAccessibleInterface(new AccessibleShape(window, shapes_.size())));
    }
    return shapes_;
  }

  mutable std::vector<QAccessible::Id> shapes_;
};

QAccessibleInterface* WindowInterface(const QString& /*className*/, QObject* object) {
  auto* window = qobject_cast<WindowView*>(object);
  // Qt's accessibility cache owns the interface and deletes it with the window.
  return window != nullptr ? new AccessibleWindow(*window) : nullptr;
}

}  // namespace

void ExposeWindowsToAssistiveTechnology() {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(&WindowInterface);
    return true;
  }();
}

QString BlockName(Colour colour) {
  switch (colour) {
    case kRed:
      return QStringLiteral("Red block");
    case kFrozen:
      return QStringLiteral("Frozen red block");
    case kYellow:
      return QStringLiteral("Yellow block");
    case kBlue:
      return QStringLiteral("Blue block");
    case kMagenta:
      return QStringLiteral("Bonus block");
    default:
      return QStringLiteral("Block");
  }
}

}  // namespace quibbet
