// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/control_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <optional>

#include "desktop/font_map.h"
#include "desktop/game_button.h"
#include "desktop/qt_convert.h"
#include "desktop/twips_map.h"

namespace quibbet {

namespace {

// A caption is shown as written: an ampersand is not a shortcut marker.
QString ButtonText(const std::string& caption) {
  return ToQString(caption).replace(u'&', QStringLiteral("&&"));
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
}

QWidget* NewLabel(QWidget& window, const ControlView& label) {
  auto* widget = new QLabel(&window);
  widget->setTextFormat(Qt::PlainText);
  const Qt::Alignment across =
      label.alignment == Alignment::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
  widget->setAlignment(across | Qt::AlignTop);
  widget->setWordWrap(label.wordWrap);
  widget->setAutoFillBackground(label.opaque);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  return widget;
}

QWidget* NewButton(QWidget& window, const ControlView& button) {
  std::optional<QColor> face;
  if (button.backColor) {
    face = ToQColor(*button.backColor);
  }
  return new GameButton(window, face);
}

QWidget* NewTextBox(QWidget& window, const ControlView& box) {
  auto* widget = new QLineEdit(&window);
  SetColour(*widget, QPalette::Base, box.backColor.value_or(kWhite));
  return widget;
}

void SetText(QLabel& widget, const QString& text) {
  if (widget.text() != text) {
    widget.setText(text);
  }
}

}  // namespace

QWidget* AddControlWidget(QWidget& window, const ControlView& control, const TwipsMap& map) {
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::kLabel:
      widget = NewLabel(window, control);
      break;
    case ControlKind::kButton:
      widget = NewButton(window, control);
      break;
    case ControlKind::kTextBox:
      widget = NewTextBox(window, control);
      break;
    default:
      return nullptr;
  }
  widget->setObjectName(ToQString(control.name));
  Place(*widget, control, map);
  Mirror(*widget, control);
  return widget;
}

void Place(QWidget& widget, const ControlView& control, const TwipsMap& map) {
  widget.setGeometry(map.ToPixels(control.left, control.top, control.width, control.height));
  widget.setFont(ToQFont(control.font, map.scale()));
}

void Mirror(QWidget& widget, const ControlView& control) {
  const QString text = ToQString(control.text);
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    SetText(*label, text);
  } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    const QString caption = ButtonText(control.text);
    if (button->text() != caption) {
      button->setText(caption);
    }
  } else if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
    // Rewriting an unchanged text would move the caret while the player types.
    if (box->text() != text) {
      box->setText(text);
    }
  }
  widget.setVisible(control.visible);
}

void SetTabOrder(std::vector<std::pair<int, QWidget*>> controls) {
  std::stable_sort(controls.begin(), controls.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < controls.size(); ++i) {
    QWidget::setTabOrder(controls[i - 1].second, controls[i].second);
  }
}

}  // namespace quibbet
