// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole frame of a window, painted by the program's own views (the window, its shapes and
// every visible control) into an image, at device pixel ratio 1 and 2. Runs on Qt's offscreen
// platform unless QT_QPA_PLATFORM names another.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QStyleFactory>
#include <algorithm>

#include "bench_support.h"
#include "common/random_source.h"
#include "desktop/controller.h"
#include "game/form1.h"

namespace quibbet::bench {
namespace {

// Where a player's square might be in the middle of a round.
constexpr float kSquareLeft = 5000;
constexpr float kSquareTop = 4000;

// Paints the whole window into an image of its size at the benchmark's ratio, once per
// iteration, as a frame on a screen of that ratio would be painted.
void PaintFrames(benchmark::State& state, WindowView* window) {
  if (window == nullptr) {
    state.SkipWithError("the window did not open");
    return;
  }
  const int ratio = static_cast<int>(state.range(0));
  QImage image(window->size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  // The first frame at a ratio loads fonts and renders glyphs into caches that play keeps.
  window->render(&image);
  for (auto _ : state) {
    window->render(&image);
  }
  benchmark::DoNotOptimize(image.constBits());
}

// The desktop program with a round in full play: the blocks inside the window, the square among
// them, the info bar's texts.
struct GameWindow {
  GameWindow() : controller(random, box) {
    controller.Start();
    controller.session().Click(Control::kCmdplay);
    controller.shell().MovePointer(kOutOfReachLeft, kOutOfReachTop);
    controller.RunTicks(kTicksUntilBlocksInside);
    controller.shell().MovePointer(kSquareLeft, kSquareTop);
    controller.RunTicks(0);
  }
  WindowView* view() const { return controller.view(Window::kForm1); }

  FixedSeedRandom random;
  SilentMessageBox box;
  Controller controller;
};

void BM_PaintGameWindow(benchmark::State& state) {
  const GameWindow game;
  PaintFrames(state, game.view());
}
BENCHMARK(BM_PaintGameWindow)->Arg(1)->Arg(2)->ArgName("ratio")->Unit(benchmark::kMicrosecond);

// The game-over screen after a red block: the score, the table, the name box and the buttons.
void BM_PaintGameOver(benchmark::State& state) {
  GameWindow game;
  Form1& form = *game.controller.shell().form1();
  const auto red = std::find_if(form.shpother.begin(), form.shpother.end(),
                                [](const Shape& block) { return block.backColor == kRed; });
  red->left = kSquareLeft;
  red->top = kSquareTop;
  game.controller.RunTicks(1);
  if (form.Timer1.enabled) {
    state.SkipWithError("the red block did not end the round");
    return;
  }
  PaintFrames(state, game.view());
}
BENCHMARK(BM_PaintGameOver)->Arg(1)->Arg(2)->ArgName("ratio")->Unit(benchmark::kMicrosecond);

// A pointer movement over the game window in play, from the window system's event to the
// pixels: the desktop program hands it to the rules and the window repaints what changed. The
// square goes back and forth between two places, so every movement moves it.
void BM_PointerMoveInPlay(benchmark::State& state) {
  FixedSeedRandom random;
  SilentMessageBox box;
  Controller controller(random, box);
  controller.Start();
  controller.shell().Click(Control::kCmdplay);
  controller.RunTicks(0);  // brings the windows in line with the move
  WindowView* game = controller.view(Window::kForm1);
  if (game == nullptr) {
    state.SkipWithError("the game window did not open");
    return;
  }
  controller.shell().MovePointer(kOutOfReachLeft, kOutOfReachTop);
  controller.RunTicks(kTicksUntilBlocksInside);
  QApplication::processEvents();
  const std::array<QPointF, 2> places = {QPointF(kSquareLeft, kSquareTop) / kTwipsPerPixel,
                                         QPointF(kSquareLeft + 600, kSquareTop) / kTwipsPerPixel};
  std::size_t next = 0;
  for (auto _ : state) {
    const QPointF at = places[next ^= 1];
    QMouseEvent move(QEvent::MouseMove, at, game->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(game, &move);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PointerMoveInPlay)->Unit(benchmark::kMicrosecond);

void BM_PaintMenu(benchmark::State& state) {
  FixedSeedRandom random;
  SilentMessageBox box;
  Controller controller(random, box);
  controller.Start();
  PaintFrames(state, controller.view(Window::kForm2));
}
BENCHMARK(BM_PaintMenu)->Arg(1)->Arg(2)->ArgName("ratio")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quibbet::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  // The look the program itself sets at start.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
