// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's door into the rules: C functions that the page's JavaScript calls with the
// player's events and the animation frames, and the state of every window as JSON to draw.
// A message box waits for the player's answer on the page (Asyncify suspends the handler that
// asked), so the handlers run exactly as on the desktop.

#include <emscripten/emscripten.h>

#include <chrono>
#include <cstdint>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/random_source.h"
#include "game/tick_pacer.h"
#include "local_storage_file.h"
#include "scores/file_store.h"
#include "shell/control.h"
#include "shell/shell.h"
#include "shell/window_names.h"

namespace quibbet {

namespace {

using Json = nlohmann::ordered_json;

// clang-format off
EM_ASYNC_JS(int, AskOnPage, (const char* text, const char* title, int style), {
  return await Module.showMessageBox(UTF8ToString(text), UTF8ToString(title), style);
});
// clang-format on

class PageMessageBox final : public MessageBox {
 public:
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override {
    const std::string t(text);
    const std::string c(title);
    return static_cast<MsgBoxAnswer>(AskOnPage(t.c_str(), c.c_str(), static_cast<int>(style)));
  }
};

struct Game {
  FixedSeedRandom random;
  PageMessageBox box;
  LocalStorageFile tableFile;
  FileStore highScores{tableFile, std::cerr, box};
  Shell shell{random, box, highScores};
  TickPacer pacer;
  bool ticking = false;
  std::string scene;
};

Game& TheGame() {
  static Game game;
  return game;
}

Json FontJson(const Font& f) {
  return {{"face", f.face}, {"points", f.points}, {"weight", f.weight}, {"italic", f.italic}};
}

Json At(const Geometry& g) {
  return {{"left", g.left}, {"top", g.top}, {"width", g.width}, {"height", g.height}};
}

Json LabelJson(std::string_view name, const Label& l) {
  return {{"kind", "label"},
          {"name", name},
          {"at", At(l)},
          {"text", l.caption},
          {"visible", l.visible},
          {"font", FontJson(l.font)},
          {"centre", l.alignment == Alignment::kCentre},
          {"opaque", l.opaque},
          {"wrap", l.wordWrap}};
}

Json ButtonJson(std::string_view name, const Button& b) {
  Json j = {{"kind", "button"},  {"name", name},         {"at", At(b)},
            {"text", b.caption}, {"visible", b.visible}, {"font", FontJson(b.font)},
            {"tab", b.tabIndex}, {"back", nullptr}};
  if (b.backColor) {
    j["back"] = *b.backColor;
  }
  return j;
}

Json TextBoxJson(std::string_view name, const TextBox& t) {
  return {{"kind", "textbox"}, {"name", name},         {"at", At(t)},
          {"text", t.text},    {"visible", t.visible}, {"font", FontJson(t.font)},
          {"tab", t.tabIndex}, {"back", t.backColor}};
}

Json ShapeJson(std::string_view name, const Shape& s) {
  return {{"kind", "shape"},        {"name", name},         {"at", At(s)},
          {"back", s.backColor},    {"visible", s.visible}, {"filled", s.filled},
          {"border", s.borderWidth}};
}

Json LineJson(const Line& l) {
  return {{"kind", "line"},
          {"x1", l.x1},
          {"y1", l.y1},
          {"x2", l.x2},
          {"y2", l.y2},
          {"color", l.color},
          {"width", l.borderWidth}};
}

std::string Indexed(std::string_view name, int i) {
  return std::string(name) + "(" + std::to_string(i) + ")";
}

// Shapes and lines in the order they are painted, the square last; then the controls.
Json Form1Controls(const Form1& f) {
  Json c = Json::array({ShapeJson("shpinfo", f.shpinfo)});
  for (int i = 0; i < kBlockCount; ++i) {
    c.push_back(ShapeJson(Indexed("shpother", i), f.shpother[static_cast<std::size_t>(i)]));
  }
  c.push_back(ShapeJson("shpgreen", f.shpgreen));
  for (const auto& [name, label] : {std::pair{"lblspacebar", &f.lblspacebar},
                                    {"lblcount", &f.lblcount},
                                    {"lblscore1", &f.lblscore1},
                                    {"lblscore", &f.lblscore},
                                    {"lblhigh1", &f.lblhigh1},
                                    {"lblhigh", &f.lblhigh},
                                    {"lblname", &f.lblname},
                                    {"lblcurrentscore", &f.lblcurrentscore},
                                    {"lblalltime", &f.lblalltime}}) {
    c.push_back(LabelJson(name, *label));
  }
  for (int row = 0; row < kTableRows; ++row) {
    const auto i = static_cast<std::size_t>(row);
    c.push_back(LabelJson(Indexed("lblscorenumber", row), f.table.lblscorenumber[i]));
    c.push_back(LabelJson(Indexed("lblhighname", row), f.table.lblhighname[i]));
    c.push_back(LabelJson(Indexed("lbluserscore", row), f.table.lbluserscore[i]));
  }
  c.push_back(ButtonJson("cmdreset", f.cmdreset));
  c.push_back(TextBoxJson("txtname", f.txtname));
  c.push_back(ButtonJson("cmdsubmit", f.cmdsubmit));
  c.push_back(ButtonJson("cmdmain", f.cmdmain));
  return c;
}

Json Form2Controls(const Form2& f) {
  return {ButtonJson("cmdplay", f.cmdplay), ButtonJson("cmdhowto", f.cmdhowto),
          ButtonJson("cmdabout", f.cmdabout), ButtonJson("cmdexit", f.cmdexit)};
}

Json FrmhelpControls(const Frmhelp& h) {
  return {ShapeJson("Shape2", h.Shape2),
          ShapeJson("Shape3", h.Shape3),
          ShapeJson("Shape1", h.Shape1),
          ShapeJson("shpred", h.shpred),
          LineJson(h.Line3),
          LineJson(h.Line4),
          LineJson(h.Line1[0]),
          LineJson(h.Line1[1]),
          LabelJson("Label1", h.Label1),
          LabelJson("Label2", h.Label2),
          LabelJson("Label3", h.Label3),
          ButtonJson("Command1", h.Command1)};
}

Json FrameJson(std::string_view caption, Twips width, Twips height, std::optional<Colour> back,
               Json controls) {
  Json j = {{"caption", caption},
            {"width", width},
            {"height", height},
            {"back", nullptr},
            {"controls", std::move(controls)}};
  if (back) {
    j["back"] = *back;
  }
  return j;
}

Json WindowJson(const Shell& shell, Window w) {
  Json j = {{"state", shell.State(w) == WindowState::kVisible ? "visible" : "hidden"},
            {"generation", shell.Generation(w)}};
  switch (w) {
    case Window::kForm1:
      j.update(FrameJson(kForm1Caption, kForm1ScaleWidth, kForm1ScaleHeight, std::nullopt,
                         Form1Controls(*shell.form1())));
      break;
    case Window::kForm2:
      j.update(FrameJson(kForm2Caption, kForm2ScaleWidth, kForm2ScaleHeight,
                         shell.form2()->backColor, Form2Controls(*shell.form2())));
      break;
    case Window::kFrmhelp:
      j.update(FrameJson(kFrmhelpCaption, kFrmhelpScaleWidth, kFrmhelpScaleHeight, std::nullopt,
                         FrmhelpControls(*shell.frmhelp())));
      break;
  }
  return j;
}

// The game window's timer runs while it is enabled; starting it afresh owes no time from before.
void FollowTimer(Game& game, std::chrono::nanoseconds now) {
  const Form1* form = game.shell.form1();
  const bool running = form != nullptr && form->Timer1.enabled;
  if (running && !game.ticking) {
    game.pacer.Restart(now);
  }
  game.ticking = running;
}

std::chrono::nanoseconds FromMilliseconds(double ms) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
      std::chrono::duration<double, std::milli>(ms));
}

}  // namespace

}  // namespace quibbet

using quibbet::TheGame;

extern "C" {

EMSCRIPTEN_KEEPALIVE void quibbet_start() {
  TheGame().shell.Start();
}

// A click on a named button that is on screen; a name of no shown button does nothing.
EMSCRIPTEN_KEEPALIVE void quibbet_click(const char* name) {
  if (const auto control = quibbet::ControlNamed(name)) {
    TheGame().shell.Click(*control);
  }
}

EMSCRIPTEN_KEEPALIVE void quibbet_close(int window) {
  TheGame().shell.Close(static_cast<quibbet::Window>(window));
}

EMSCRIPTEN_KEEPALIVE void quibbet_pointer(float x, float y) {
  TheGame().shell.MovePointer(x, y);
}

EMSCRIPTEN_KEEPALIVE void quibbet_key(int code) {
  TheGame().shell.PressKey(static_cast<std::int16_t>(code));
}

EMSCRIPTEN_KEEPALIVE void quibbet_name_typed(const char* text) {
  TheGame().shell.TypeName(text);
}

// An animation frame at nowMs on the page's monotonic clock: runs the ticks due since the last
// and tells how many ran. paused (a hidden page) runs none and owes none afterwards.
EMSCRIPTEN_KEEPALIVE int quibbet_frame(double nowMs, int paused) {
  quibbet::Game& game = TheGame();
  const auto now = quibbet::FromMilliseconds(nowMs);
  if (paused != 0) {
    game.ticking = false;
    return 0;
  }
  quibbet::FollowTimer(game, now);
  if (!game.ticking) {
    return 0;
  }
  return static_cast<int>(game.shell.RunTicks(game.pacer.TicksDue(now)));
}

// The state to draw: whether the program has ended, the active window, and each loaded window.
EMSCRIPTEN_KEEPALIVE const char* quibbet_scene() {
  quibbet::Game& game = TheGame();
  const quibbet::Shell& shell = game.shell;
  quibbet::Json windows = quibbet::Json::object();
  for (quibbet::Window w : quibbet::kAllWindows) {
    if (shell.State(w) != quibbet::WindowState::kUnloaded) {
      windows[std::string(quibbet::NameOf(w))] = quibbet::WindowJson(shell, w);
    }
  }
  const auto active = shell.Active();
  game.scene = quibbet::Json{
      {"ended", shell.Ended()},
      {"active", active ? quibbet::NameOf(*active) : ""},
      {"windows",
       windows}}.dump();
  return game.scene.c_str();
}

}  // extern "C"
