#include "desktop/control_widgets.h"

#include <QPalette>
#include <algorithm>
#include <cmath>
#include <optional>

#include "common/twips.h"
#include "desktop/font_map.h"
#include "desktop/game_button.h"
#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

int ToPixels(Twips twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// A caption is shown as written: an ampersand is not a shortcut marker.
QString ButtonText(const std::string& caption) {
  return ToQString(caption).replace(u'&', QStringLiteral("&&"));
}

void SetColour(QWidget& widget, QPalette::ColorRole role, Colour colour) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(colour));
  widget.setPalette(palette);
}

}  // namespace

QRect ToPixels(Twips left, Twips top, Twips width, Twips height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

QLabel* AddLabel(QWidget& window, const Label& label, const QString& name) {
  auto* widget = new QLabel(&window);
  widget->setObjectName(name);
  widget->setTextFormat(Qt::PlainText);
  widget->setGeometry(ToPixels(label.left, label.top, label.width, label.height));
  widget->setFont(ToQFont(label.font));
  const Qt::Alignment across =
      label.alignment == Alignment::kCentre ? Qt::AlignHCenter : Qt::AlignLeft;
  widget->setAlignment(across | Qt::AlignTop);
  widget->setWordWrap(label.wordWrap);
  widget->setAutoFillBackground(label.opaque);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  Mirror(*widget, label);
  return widget;
}

QPushButton* AddButton(QWidget& window, const Button& button, const QString& name) {
  std::optional<QColor> face;
  if (button.backColor) {
    face = ToQColor(*button.backColor);
  }
  auto* widget = new GameButton(window, face);
  widget->setObjectName(name);
  widget->setGeometry(ToPixels(button.left, button.top, button.width, button.height));
  widget->setFont(ToQFont(button.font));
  Mirror(*widget, button);
  return widget;
}

QLineEdit* AddTextBox(QWidget& window, const TextBox& box, const QString& name) {
  auto* widget = new QLineEdit(&window);
  widget->setObjectName(name);
  widget->setGeometry(ToPixels(box.left, box.top, box.width, box.height));
  widget->setFont(ToQFont(box.font));
  SetColour(*widget, QPalette::Base, box.backColor);
  Mirror(*widget, box);
  return widget;
}

void Mirror(QLabel& widget, const Label& label) {
  const QString text = ToQString(label.caption);
  if (widget.text() != text) {
    widget.setText(text);
  }
  widget.setVisible(label.visible);
}

void Mirror(QPushButton& widget, const Button& button) {
  const QString text = ButtonText(button.caption);
  if (widget.text() != text) {
    widget.setText(text);
  }
  widget.setVisible(button.visible);
}

void Mirror(QLineEdit& widget, const TextBox& box) {
  // Rewriting an unchanged text would move the caret while the player types.
  const QString text = ToQString(box.text);
  if (widget.text() != text) {
    widget.setText(text);
  }
  widget.setVisible(box.visible);
}

void SetTabOrder(std::vector<std::pair<int, QWidget*>> controls) {
  std::stable_sort(controls.begin(), controls.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < controls.size(); ++i) {
    QWidget::setTabOrder(controls[i - 1].second, controls[i].second);
  }
}

}  // namespace quibbet
