// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

#include "desktop/window_view.h"

// The help window on screen: the rules in three texts, the sample blocks under their marks, and
// the way back to the menu.

namespace quibbet {

class FrmhelpView final : public WindowView {
  Q_OBJECT

 public:
  explicit FrmhelpView(Session& session) : WindowView(session, Window::kFrmhelp) {}

  QPushButton* Command1() const { return ButtonNamed("Command1"); }
};

}  // namespace quibbet
