#pragma once

#include <QCloseEvent>
#include <QSize>
#include <QWidget>
#include <string_view>

// A top-level window of the game on screen. Its close box does not close it: it reports the
// click, and the program's rules decide what happens to the window.

namespace quibbet {

class WindowView : public QWidget {
  Q_OBJECT

 public:
  // A window with the caption and client size of its design.
  WindowView(std::string_view caption, QSize clientSize);

  // Shows what the window's data holds now. Windows whose data never changes have nothing to do.
  virtual void Refresh() {}

 signals:
  void closeBoxClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace quibbet
