// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "common/controls.h"

// Widgets for the controls of a window design: each placed where its design puts it (15 twips
// to the pixel), in its font and look, and kept in step with the control's data.

namespace quibbet {

QRect ToPixels(Twips left, Twips top, Twips width, Twips height);

// Labels never take the pointer: moving over one is moving over the window beneath it.
QLabel* AddLabel(QWidget& window, const Label& label, const QString& name);
QPushButton* AddButton(QWidget& window, const Button& button, const QString& name);
QLineEdit* AddTextBox(QWidget& window, const TextBox& box, const QString& name);

// Shows what the control holds now: its text and whether it is visible.
void Mirror(QLabel& widget, const Label& label);
void Mirror(QPushButton& widget, const Button& button);
void Mirror(QLineEdit& widget, const TextBox& box);

// Chains the keyboard focus through the widgets in the order of their designed tab indices.
void SetTabOrder(std::vector<std::pair<int, QWidget*>> controls);

}  // namespace quibbet
