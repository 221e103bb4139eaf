// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "desktop/twips_map.h"
#include "frontend/window_description.h"

// Widgets for the controls of a window's description: labels, buttons and the name box, each
// placed where the description puts it, in its font and look, and kept in step with it.

namespace quibbet {

// Null for a control that the window paints itself (shapes, lines, the picture). Labels never
// take the pointer: moving over one is moving over the window beneath it.
QWidget* AddControlWidget(QWidget& window, const ControlView& control, const TwipsMap& map);

// Puts the widget where the map puts the control, its text in the font the map scales.
void Place(QWidget& widget, const ControlView& control, const TwipsMap& map);

// Shows what the control holds now: its text and whether it is visible.
void Mirror(QWidget& widget, const ControlView& control);

// Chains the keyboard focus through the widgets in the order of their designed tab indices.
void SetTabOrder(std::vector<std::pair<int, QWidget*>> controls);

}  // namespace quibbet
