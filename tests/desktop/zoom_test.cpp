// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Zoomed and on a full screen, the game window shows its design larger or smaller as a whole:
// the pointer still lands on the twips it is over, the window keys reach neither the game nor
// the name box, and the player's zoom is there again at the next start.

#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <memory>
#include <optional>

#include "desktop/zoom_setting.h"
#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

class Zoom : public DesktopTest {
 protected:
  Zoom() { Click(menu()->cmdplay()); }

  static void Press(QWidget* window, Qt::Key key,
                    Qt::KeyboardModifiers held = Qt::ControlModifier) {
    QTest::keyClick(window->window()->windowHandle(), key, held);
  }

  // Puts the pointer on the pixel, fraction and all, where the window shows the twips, and
  // reads back where the square went.
  QPointF PointAt(QPointF twips) {
    const QPointF pixels = game()->map().ToPixels(twips);
    QMouseEvent move(QEvent::MouseMove, pixels, game()->mapToGlobal(pixels), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(game(), &move);
    return {form1().shpgreen.left, form1().shpgreen.top};
  }

  // The centre of the game-over screen's button, where the square is put, and the button's
  // widget, which must lie where the map puts the button.
  void ExpectPointerAndButtonsFollow() {
    const QPointF centre(3840 + 2895 / 2.0, 6000 + 615 / 2.0);
    const QPointF landed = PointAt(centre);
    EXPECT_FLOAT_EQ(landed.x(), centre.x());
    EXPECT_FLOAT_EQ(landed.y(), centre.y());
    EXPECT_EQ(game()->cmdreset()->geometry(), game()->map().ToPixels(3840, 6000, 2895, 615));
  }
};

TEST_F(Zoom, ThePointerLandsOnTheSameTwipsAtEveryZoomAndOnAFullScreen) {
  ExpectPointerAndButtonsFollow();
  for (int step = 0; step < 5; ++step) {
    Press(game(), Qt::Key_Equal);
  }
  EXPECT_DOUBLE_EQ(game()->map().scale(), 1.5);
  EXPECT_EQ(game()->size(), QSize(1094, 902));
  EXPECT_EQ(game()->cmdmain()->font().pixelSize(), 17) << "8.25 points at 150 %";
  ExpectPointerAndButtonsFollow();

  Press(game(), Qt::Key_F11, Qt::NoModifier);
  const QSize screen = game()->screen()->geometry().size();
  ASSERT_TRUE(QTest::qWaitFor([&] { return game()->size() == screen; }));
  ASSERT_TRUE(game()->isFullScreen());
  ExpectPointerAndButtonsFollow();
  const QPointF inside = PointAt({5000, 5000});
  const QPointF origin = game()->map().ToPixels(QPointF());
  ASSERT_GT(origin.x(), 10) << "the screen is wider than the window";
  QTest::mouseMove(game()->windowHandle(), QPoint(5, 300));
  EXPECT_EQ(QPointF(form1().shpgreen.left, form1().shpgreen.top), inside)
      << "the bar is outside the field";
  Shape& entering = form1().shpother[0];
  entering.left = -300;
  entering.top = 3000;
  controller_.RunTicks(0);
  const QImage shown = Picture(*game());
  const QPoint beside = game()->map().ToPixels(QPointF(-100, 3100)).toPoint();
  EXPECT_EQ(shown.pixel(beside), qRgb(0, 0, 0)) << "a block entering is hidden in the bar";
  EXPECT_EQ(shown.pixel(5, 300), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(origin.toPoint() + QPoint(5, 300)), qRgb(255, 255, 255));

  Press(game(), Qt::Key_F11, Qt::NoModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return game()->size() == QSize(1094, 902); }));
  Press(game(), Qt::Key_0);
  EXPECT_EQ(game()->size(), QSize(729, 601));
}

TEST_F(Zoom, TheWindowKeysReachNeitherTheGameNorTheNameBox) {
  LoseRound();
  QLineEdit* name = game()->txtname();
  name->setFocus();
  QTest::keyClicks(name, u"Ann"_qs);
  Press(name, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_DOUBLE_EQ(game()->scale(), 1.1);
  Press(name, Qt::Key_Minus);
  Press(name, Qt::Key_Minus);
  EXPECT_DOUBLE_EQ(game()->scale(), 0.9);
  Press(name, Qt::Key_0);
  EXPECT_EQ(name->text(), u"Ann"_qs);
  EXPECT_EQ(form1().txtname.text, "Ann");
  EXPECT_DOUBLE_EQ(game()->scale(), 1.0);
}

class KeptZoom final : public ZoomSetting {
 public:
  std::optional<int> Read() override { return kept; }
  void Write(int percent) override { kept = percent; }
  std::optional<int> kept;
};

TEST(ZoomSetting, TheZoomChosenIsWhereTheNextRunStarts) {
  FixedSeedRandom random;
  RecordingMessageBox box;
  KeptZoom setting;
  const auto menuAtStart = [&](std::optional<int> kept) {
    setting.kept = kept;
    auto controller = std::make_unique<Controller>(random, box, KeptInMemory(), &setting);
    controller->Start();
    return controller;
  };
  {
    const auto controller = menuAtStart(150);
    QWidget* menu = controller->view(Window::kForm2);
    EXPECT_EQ(menu->size(), QSize(1107, 747));
    QTest::keyClick(menu->windowHandle(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(setting.kept, 140);
  }
  const auto controller = menuAtStart(999);
  EXPECT_EQ(controller->view(Window::kForm2)->size(), QSize(738, 498)) << "no zoom of ours";
}

}  // namespace
}  // namespace quibbet::testing
