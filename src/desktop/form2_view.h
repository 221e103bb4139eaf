// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

#include "desktop/window_view.h"

// The main menu on screen: the title picture and four coloured buttons. Resizing the window
// moves nothing.

namespace quibbet {

class Form2View final : public WindowView {
  Q_OBJECT

 public:
  explicit Form2View(Session& session) : WindowView(session, Window::kForm2) {}

  QPushButton* cmdplay() const { return ButtonNamed("cmdplay"); }
  QPushButton* cmdhowto() const { return ButtonNamed("cmdhowto"); }
  QPushButton* cmdabout() const { return ButtonNamed("cmdabout"); }
  QPushButton* cmdexit() const { return ButtonNamed("cmdexit"); }
};

}  // namespace quibbet
