// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shapes are painted from twips onto any painter: at a device pixel ratio of 2 every edge
// still lands on a device pixel and borders keep their width in logical pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "common/random_source.h"
#include "desktop/shape_painter.h"
#include "test_support.h"

namespace quibbet::testing {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);

class Painting : public ::testing::TestWithParam<int> {
 protected:
  Painting() : form_(random_, box_) {
    for (Shape& block : form_.shpother) {
      block.visible = false;
    }
  }

  // The game window's shapes at the given device pixel ratio, on white.
  QImage Paint() {
    const int ratio = GetParam();
    QImage image(729 * ratio, 601 * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kWhite);
    QPainter painter(&image);
    PaintForm1(painter, form_);
    return image;
  }

  FixedSeedRandom random_;
  RecordingMessageBox box_;
  Form1 form_;
};

TEST_P(Painting, TheSquareHasSharpEdgesAndATwoPixelBorderWhereverItIs) {
  const int r = GetParam();
  form_.shpgreen = {3000, 4500, 375, 375, kGreen, true, true, 2};
  QImage image = Paint();
  EXPECT_EQ(image.pixel(200 * r - 1, 310 * r), kWhite);
  EXPECT_EQ(image.pixel(200 * r, 310 * r), kBlack);
  EXPECT_EQ(image.pixel(202 * r - 1, 310 * r), kBlack);
  EXPECT_EQ(image.pixel(202 * r, 310 * r), kGreen);

  form_.shpgreen = {3007, 4493.5f, 187.5f, 187.5f, kGreen, true, true, 2};  // between pixels
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
