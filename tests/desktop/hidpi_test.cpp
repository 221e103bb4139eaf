// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows on a scaled screen. ctest runs this program at 100 %, 125 %, 150 % and 200 %
// (QT_SCALE_FACTOR); at each, what the game paints is painted at the screen's own resolution:
// every edge of a shape lies on a device pixel in one of the shape's colours, the menu's
// picture, which exists only at 1×, is filtered rather than blown up into blocks, and every
// text in small capitals stays inside its control.

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);

class HighDpi : public DesktopTest {
 protected:
  // The window as the screen shows it, in device pixels, after checking that the scale asked
  // of Qt is the one the window got, fraction and all.
  static QImage Shot(QWidget& window, QSize designed) {
    const qreal asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                            : 1.0;
    EXPECT_DOUBLE_EQ(window.devicePixelRatioF(), asked);
    const QPixmap shot = window.grab();
    EXPECT_EQ(shot.deviceIndependentSize().toSize(), designed);
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
  }

  // A square shape painted on background at the logical rectangle square, measured along its
  // middle row and column: it spans the rectangle's size in device pixels, its border is two
  // logical pixels on every side, and every pixel is the background, the border or the fill.
  static void ExpectCrispSquare(const QImage& image, QRect square, QRgb fill, QRgb background) {
    const qreal scale = image.devicePixelRatio();
    const auto device = [scale](int logical) { return static_cast<int>(logical * scale); };
    for (const bool across : {true, false}) {
      SCOPED_TRACE(across ? "across" : "down");
      const int middle = device(across ? square.center().y() : square.center().x());
      const int from = device((across ? square.left() : square.top()) - 5);
      const int to = device((across ? square.right() : square.bottom()) + 5);
      int span = 0;
      int border = 0;
      for (int i = from; i <= to; ++i) {
        const QRgb colour = across ? image.pixel(i, middle) : image.pixel(middle, i);
        ASSERT_TRUE(colour == background || colour == kBlack || colour == fill)
            << "a blended pixel at " << i << ": " << std::hex << colour;
        span += colour == background ? 0 : 1;
        border += colour == kBlack ? 1 : 0;
      }
      EXPECT_LT(std::abs(span - square.width() * scale), 1.0) << span;
      EXPECT_LE(std::abs(border - 4 * scale), 2.0) << "two pixels on either side: " << border;
      if (scale == 2.0) {
        EXPECT_EQ(span, 2 * square.width()) << "the player's 25 pixels are 50";
        EXPECT_EQ(border, 8);
      }
    }
  }
};

// Where the ink of text lands when drawn at the screen's scale in a box of the given width
// (tall enough for any wrapping), in logical pixels from the box's top-left corner.
QRectF Ink(const QFont& font, const QString& text, int width, int flags, qreal scale) {
  constexpr int kMargin = 100;
  QImage image(QSize(width + 2 * kMargin, 600) * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.drawText(QRect(kMargin, kMargin, width, 400), flags, text);
  painter.end();
  QRect ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kWhite) {
        ink |= QRect(x, y, 1, 1);
      }
    }
  }
  return QRectF(ink.topLeft().toPointF() / scale, ink.size().toSizeF() / scale)
      .translated(-kMargin, -kMargin);
}

// Every text set in the all-capitals face, as drawn, lies inside its control: a caption
// inside its button's two-pixel edge, a label's wrapped lines inside the label.
void ExpectSmallCapitalsFit(QWidget& window) {
  const qreal scale = window.devicePixelRatioF();
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->font().capitalization() != QFont::SmallCaps) {
      continue;
    }
    SCOPED_TRACE(control->objectName().toStdString());
    QRectF room = control->rect();
    QRectF ink;
    if (const auto* button = qobject_cast<QPushButton*>(control)) {
      room.adjust(2, 2, -2, -2);
      ink = Ink(button->font(), button->text(), button->width(),
                Qt::AlignHCenter | Qt::TextShowMnemonic, scale);
      ink.moveTop(0);
      EXPECT_LE(ink.height(), room.height());
      ink.moveTop(room.top());
    } else if (const auto* label = qobject_cast<QLabel*>(control)) {
      const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
      ink = Ink(label->font(), label->text(), label->width(),
                static_cast<int>(label->alignment()) | wrap, scale);
    }
    ASSERT_FALSE(ink.isEmpty()) << "a text in small capitals";
    EXPECT_TRUE(room.contains(ink))
        << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height()
        << " in " << room.width() << "x" << room.height();
  }
}

TEST_F(HighDpi, TextsInSmallCapitalsStayInsideTheirControls) {
  ExpectSmallCapitalsFit(*menu());
  Click(menu()->cmdhowto());
  ExpectSmallCapitalsFit(*help());
  Click(help()->Command1());
  Click(menu()->cmdplay());
  LoseRound();
  ExpectSmallCapitalsFit(*game());
}

TEST_F(HighDpi, GameWindowPaintsThePlayersSquareAtTheScreensResolution) {
  Click(menu()->cmdplay());
  controller_.shell().MovePointer(4320, 4320);  // the square's corner to (288, 288)
  controller_.RunTicks(0);
  const QImage shot = Shot(*game(), {729, 601});
  ExpectCrispSquare(shot, {288, 288, 25, 25}, qRgb(0, 255, 0), kWhite);
}

TEST_F(HighDpi, HelpWindowPaintsItsSampleBlocksAtTheScreensResolution) {
  Click(menu()->cmdhowto());
  const QImage shot = Shot(*help(), {692, 480});
  const QRgb face = help()->palette().color(QPalette::Window).rgb();
  ExpectCrispSquare(shot, {120, 344, 25, 25}, qRgb(255, 255, 0), face);
  ExpectCrispSquare(shot, {480, 328, 57, 57}, qRgb(255, 0, 0), face);
}

// Blown up pixel by pixel, the picture would hold only colours of its own; filtered, the edges
// of the lettering blend into shades it does not have. At 1× it is drawn pixel for pixel.
TEST_F(HighDpi, MenuPictureIsFilteredWhenScaled) {
  const QImage shot = Shot(*menu(), {738, 498});
  const QImage band = QImage(u":/menu-title.png"_s).convertToFormat(QImage::Format_RGB32);
  QSet<QRgb> own;
  for (int y = 0; y < band.height(); ++y) {
    for (int x = 0; x < band.width(); ++x) {
      own.insert(band.pixel(x, y));
    }
  }
  // Where the band lies in the window, right of the buttons that overlap its left end.
  const qreal scale = shot.devicePixelRatio();
  const QRect lettering(250, 158, 448, 146);
  int blended = 0;
  for (int y = static_cast<int>(lettering.top() * scale); y < lettering.bottom() * scale; ++y) {
    for (int x = static_cast<int>(lettering.left() * scale); x < lettering.right() * scale; ++x) {
      blended += own.contains(shot.pixel(x, y)) ? 0 : 1;
    }
  }
  if (scale == 1.0) {
    EXPECT_EQ(blended, 0);
  } else {
    EXPECT_GT(blended, 500);
  }
}

// A window larger than the screen's room starts shrunk, as a whole, to show whole: ctest runs
// this also on a 1024 x 768 screen at 150 %, where the game window would be 1094 x 902.
TEST_F(HighDpi, WindowsStartScaledToFitTheScreen) {
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  const auto expectFits = [&room](WindowView& window, QSize designed, const QRect& shown) {
    const qreal fit =
        std::min(room.width() / qreal(designed.width()), room.height() / qreal(designed.height()));
    EXPECT_LE(window.scale(), std::min(fit, 1.0) + 1e-9);
    EXPECT_GT(window.scale(), std::min(fit, 1.0) - 0.05) << "smaller by its frame at most";
    EXPECT_LE(shown.width(), room.width() + 1);
    EXPECT_LE(shown.height(), room.height() + 1);
  };
  expectFits(*menu(), {738, 498}, menu()->geometry());
  Click(menu()->cmdplay());
  // By now the menu has shown which frame the windows get.
  expectFits(*game(), {729, 601}, game()->frameGeometry());
}

}  // namespace
}  // namespace quibbet::testing
