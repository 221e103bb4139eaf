// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the menu title picture and renders the application icons.
// Usage: draw_art <assets-dir>   (run with QT_QPA_PLATFORM=offscreen on headless machines)
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The menu window shows this picture 1:1 on a white background, and the game
// expects the title inside fixed bands, so the geometry is pinned here.
constexpr QSize kMenuSize(989, 751);
constexpr QRectF kWordBand(QPointF(162, 158), QPointF(590, 304));
constexpr QRectF kNumeralBand(QPointF(624, 158), QPointF(698, 304));
// Both bands, in whole pixels: everything of the picture that is not white.
constexpr QRect kTitleBand(QPoint(162, 158), QPoint(698, 304));
// Kept clear inside each band so anti-aliasing and the shadow never leak out.
constexpr qreal kMargin = 3;
constexpr QPointF kShadowOffset(4, 4);
// The word's band is much wider than it is tall, so the title is drawn a
// little taller than the face's own proportions to fill more of it.
constexpr qreal kStretch = 1.15;

// Load the face from its file rather than by family name so the result does
// not depend on fontconfig's matching rules on the machine that runs this.
QFont loadFont(const QString& file, const QString& style) {
  const int id = QFontDatabase::addApplicationFont(file);
  if (id < 0) {
    std::fprintf(stderr, "cannot load font %s\n", qPrintable(file));
    std::exit(1);
  }
  QFont font(QFontDatabase::applicationFontFamilies(id).first());
  font.setStyleName(style);  // The family name is shared by every weight of the face.
  font.setPixelSize(200);    // Large design size; the outline is rescaled below anyway.
  // The face is spaced for text; a title looks more solid, and can be drawn
  // larger in its band, with the letters pulled together.
  font.setLetterSpacing(QFont::PercentageSpacing, 95);
  return font;
}

// Scales an outline by s (and kStretch vertically) about the baseline's start.
QPainterPath scaled(const QPainterPath& path, qreal s) {
  return QTransform::fromScale(s, s * kStretch).map(path);
}

// The largest scale at which the outline plus its shadow fits in the band.
qreal fitScale(const QPainterPath& path, const QRectF& band) {
  const QRectF r = path.boundingRect();
  const qreal w = band.width() - 2 * kMargin - kShadowOffset.x();
  const qreal h = band.height() - 2 * kMargin - kShadowOffset.y();
  return std::min(w / r.width(), h / (r.height() * kStretch));
}

void drawWithShadow(QPainter& p, const QPainterPath& path, const QColor& fill,
                    const QColor& shadow) {
  p.fillPath(path.translated(kShadowOffset), shadow);
  p.fillPath(path, fill);
}

bool drawMenu(const QString& outFile, const QString& titleFile) {
  const QFont face =
      loadFont("/usr/share/fonts/opentype/urw-base35/URWGothic-DemiOblique.otf", "Demi Oblique");
  std::printf("title face: %s %s\n", qPrintable(QFontInfo(face).family()),
              qPrintable(QFontInfo(face).styleName()));
  QPainterPath word;
  word.addText(0, 0, face, "Quibbet");
  QPainterPath numeral;
  numeral.addText(0, 0, face, "2");

  word = scaled(word, fitScale(word, kWordBand));
  numeral = scaled(numeral, fitScale(numeral, kNumeralBand));

  // Centre the word in its band; the numeral shares its baseline so both read
  // as one title, unless that would push the numeral out of the band.
  const QRectF wr = word.boundingRect();
  const qreal wordX = kWordBand.left() + kMargin - wr.left() +
                      (kWordBand.width() - 2 * kMargin - kShadowOffset.x() - wr.width()) / 2;
  const qreal baseline = kWordBand.top() + kMargin - wr.top() +
                         (kWordBand.height() - 2 * kMargin - kShadowOffset.y() - wr.height()) / 2;
  word.translate(wordX, baseline);

  const QRectF nr = numeral.boundingRect();
  const qreal numX = kNumeralBand.left() + kMargin - nr.left() +
                     (kNumeralBand.width() - 2 * kMargin - kShadowOffset.x() - nr.width()) / 2;
  const qreal numBaseline =
      std::clamp(baseline, kNumeralBand.top() + kMargin - nr.top(),
                 kNumeralBand.bottom() - kMargin - kShadowOffset.y() - nr.bottom());
  numeral.translate(numX, numBaseline);

  QImage img(kMenuSize, QImage::Format_RGB888);  // 24-bit RGB, no alpha channel.
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  drawWithShadow(p, word, Qt::black, QColor(0x6e, 0x6e, 0x6e));
  // Dark red rather than grey for the numeral's shadow keeps it reading as red.
  drawWithShadow(p, numeral, QColor(0xff, 0, 0), QColor(0x8b, 0, 0));
  p.end();
  // Quality 0 = maximum zlib compression. The game embeds only the title band: the rest of the
  // picture is white like the menu window behind it, and decoding the whole picture at every
  // start would cost more time and memory than the rest of the menu.
  return img.save(outFile, "PNG", 0) && img.copy(kTitleBand).save(titleFile, "PNG", 0);
}

bool renderIcon(QSvgRenderer& svg, int size, const QString& outFile) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p);
  p.end();
  return img.save(outFile, "PNG", 0);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QDir assets(argc > 1 ? argv[1] : "assets");

  bool ok = drawMenu(assets.filePath("menu.png"), assets.filePath("menu-title.png"));
  QSvgRenderer svg(assets.filePath("icons/quibbet.svg"));
  ok = ok && svg.isValid();
  for (int size : {48, 128, 256}) {
    ok = ok && renderIcon(svg, size, assets.filePath(QString("icons/quibbet-%1.png").arg(size)));
  }
  if (!ok) {
    std::fprintf(stderr, "draw_art: failed to write artwork under %s\n", qPrintable(assets.path()));
    return 1;
  }
  return 0;
}
