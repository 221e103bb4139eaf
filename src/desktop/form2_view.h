// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPaintEvent>
#include <QPixmap>
#include <QPushButton>

#include "desktop/window_view.h"
#include "shell/form2.h"

// The main menu on screen: the title picture at its natural size and four coloured buttons.
// Resizing the window moves nothing; enlarging it shows more of the picture. The picture is
// white but for its title band, like the window behind it, so only that band is kept and drawn
// where it lies in the picture.

namespace quibbet {

class Form2View final : public WindowView {
  Q_OBJECT

 public:
  explicit Form2View(const Form2& form);

  QPushButton* cmdplay() const { return cmdplay_; }
  QPushButton* cmdhowto() const { return cmdhowto_; }
  QPushButton* cmdabout() const { return cmdabout_; }
  QPushButton* cmdexit() const { return cmdexit_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap titleBand_;
  QPushButton* cmdplay_;
  QPushButton* cmdhowto_;
  QPushButton* cmdabout_;
  QPushButton* cmdexit_;
};

}  // namespace quibbet
