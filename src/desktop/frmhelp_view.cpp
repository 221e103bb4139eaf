#include "desktop/frmhelp_view.h"

#include <QPainter>

#include "desktop/accessible_window.h"
#include "desktop/control_widgets.h"
#include "desktop/shape_painter.h"

namespace quibbet {

FrmhelpView::FrmhelpView(const Frmhelp& help)
    : WindowView(kFrmhelpCaption, ToPixels(0, 0, kFrmhelpScaleWidth, kFrmhelpScaleHeight).size()),
      help_(help),
      Command1_(AddButton(*this, help.Command1, QStringLiteral("Command1"))) {
  AddLabel(*this, help.Label1, QStringLiteral("Label1"));
  AddLabel(*this, help.Label2, QStringLiteral("Label2"));
  AddLabel(*this, help.Label3, QStringLiteral("Label3"));
  // The only control that takes the keyboard focus.
  Command1_->setFocus();
}

std::vector<NamedShape> FrmhelpView::NamedShapes() const {
  std::vector<NamedShape> samples;
  for (const Shape* sample : {&help_.Shape2, &help_.Shape3, &help_.Shape1, &help_.shpred}) {
    samples.push_back({BlockName(sample->backColor), sample});
  }
  return samples;
}

void FrmhelpView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PaintFrmhelp(painter, help_);
}

void FrmhelpView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
    Command1_->click();
    return;
  }
  WindowView::keyPressEvent(event);
}

}  // namespace quibbet
