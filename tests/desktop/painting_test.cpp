// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shapes a window's description holds are painted from twips onto any painter: at a device
// pixel ratio of 2 every edge still lands on a device pixel and borders keep their width in
// logical pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "desktop/shape_painter.h"

namespace quibbet::testing {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);

ControlView Square(Twips left, Twips top, Twips size) {
  ControlView square;
  square.left = left;
  square.top = top;
  square.width = size;
  square.height = size;
  square.backColor = quibbet::kGreen;
  square.borderWidth = 2;
  return square;
}

class Painting : public ::testing::TestWithParam<int> {
 protected:
  Painting() {
    ControlView info;
    info.width = 10935;
    info.height = 735;
    info.filled = false;
    info.borderWidth = 1;
    game_.controls = {info, Square(9720, 4080, 375)};
  }
  ControlView& square() { return game_.controls[1]; }

  // The game window's shapes at the given device pixel ratio, on white.
  QImage Paint() {
    const int ratio = GetParam();
    QImage image(729 * ratio, 601 * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kWhite);
    QPainter painter(&image);
    PaintShapes(painter, game_);
    return image;
  }

  WindowDescription game_;
};

TEST_P(Painting, TheSquareHasSharpEdgesAndATwoPixelBorderWhereverItIs) {
  const int r = GetParam();
  square() = Square(3000, 4500, 375);
  QImage image = Paint();
  EXPECT_EQ(image.pixel(200 * r - 1, 310 * r), kWhite);
  EXPECT_EQ(image.pixel(200 * r, 310 * r), kBlack);
  EXPECT_EQ(image.pixel(202 * r - 1, 310 * r), kBlack);
  EXPECT_EQ(image.pixel(202 * r, 310 * r), kGreen);

  square() = Square(3007, 4493.5f, 187.5f);  // between pixels
  image = Paint();
  int border = 0;
  for (int x = 195 * r; x < 220 * r; ++x) {
    const QRgb colour = image.pixel(x, 305 * r);
    EXPECT_TRUE(colour == kWhite || colour == kBlack || colour == kGreen) << x;
    border += colour == kBlack ? 1 : 0;
  }
  EXPECT_EQ(border, 4 * r) << "two pixels on either side";
}

TEST_P(Painting, TheInfoBarOutlineIsOneLogicalPixel) {
  const QImage image = Paint();
  const int r = GetParam();
  EXPECT_EQ(image.pixel(300 * r, 49 * r - 1), kBlack);
  EXPECT_EQ(image.pixel(300 * r, 49 * r), kWhite);
  EXPECT_EQ(image.pixel(300 * r, 48 * r - 1), kWhite);
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatio, Painting, ::testing::Values(1, 2));

}  // namespace
}  // namespace quibbet::testing
