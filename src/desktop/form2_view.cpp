#include "desktop/form2_view.h"

#include <QPainter>
#include <QPoint>

#include "desktop/baked_picture.h"
#include "desktop/control_widgets.h"
#include "desktop/qt_convert.h"

namespace quibbet {

namespace {

// Where the title band's top-left pixel lies in the menu picture.
constexpr QPoint kTitleBandOrigin(162, 158);

}  // namespace

Form2View::Form2View(const Form2& form)
    : WindowView(kForm2Caption, ToPixels(0, 0, kForm2ScaleWidth, kForm2ScaleHeight).size()),
      titleBand_(QPixmap::fromImage(MenuTitleBand.image())),
      cmdplay_(AddButton(*this, form.cmdplay, QStringLiteral("cmdplay"))),
      cmdhowto_(AddButton(*this, form.cmdhowto, QStringLiteral("cmdhowto"))),
      cmdabout_(AddButton(*this, form.cmdabout, QStringLiteral("cmdabout"))),
      cmdexit_(AddButton(*this, form.cmdexit, QStringLiteral("cmdexit"))) {
  QPalette background = palette();
  background.setColor(QPalette::Window, ToQColor(form.backColor));
  setPalette(background);
  setAutoFillBackground(true);
  SetTabOrder({{form.cmdplay.tabIndex, cmdplay_},
               {form.cmdhowto.tabIndex, cmdhowto_},
               {form.cmdabout.tabIndex, cmdabout_},
               {form.cmdexit.tabIndex, cmdexit_}});
  cmdplay_->setFocus();
}

void Form2View::paintEvent(QPaintEvent* /*event*/) {
  // The band has a device pixel ratio of 1, so each of its pixels covers one logical pixel;
  // on a scaled screen that is several device pixels, filtered rather than blocky.
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(kTitleBandOrigin, titleBand_);
}

}  // namespace quibbet
