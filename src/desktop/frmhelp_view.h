#pragma once

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPushButton>

#include "desktop/window_view.h"
#include "shell/frmhelp.h"

// The help window on screen: the rules in three texts, the sample blocks under their marks, and
// the way back to the menu.

namespace quibbet {

class FrmhelpView final : public WindowView {
  Q_OBJECT

 public:
  explicit FrmhelpView(const Frmhelp& help);

  QPushButton* Command1() const { return Command1_; }
  std::vector<NamedShape> NamedShapes() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Escape leaves the window by its one button, as it would leave a dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const Frmhelp& help_;
  QPushButton* Command1_;
};

}  // namespace quibbet
