#pragma once

#include <QPaintEvent>
#include <QPixmap>
#include <QPushButton>

#include "desktop/window_view.h"
#include "shell/form2.h"

// The main menu on screen: the title picture at its natural size and four coloured buttons.
// Resizing the window moves nothing; enlarging it shows more of the picture.

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
  QPixmap picture_;
  QPushButton* cmdplay_;
  QPushButton* cmdhowto_;
  QPushButton* cmdabout_;
  QPushButton* cmdexit_;
};

}  // namespace quibbet
