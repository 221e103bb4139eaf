// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's door into the session: C functions that the page's JavaScript calls with the
// player's events and the animation frames, and that read out what changed in each window's
// description and the description itself, a field at a time.

#include <emscripten/console.h>
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/random_source.h"
#include "frontend/session.h"
#include "frontend/sound_synth.h"
#include "local_storage_file.h"
#include "page_settings.h"
#include "page_sound.h"
#include "scores/file_store.h"

namespace quibbet {

namespace {

// clang-format off
// Opens the box on the page and returns at once; the page takes no other input until it is
// answered.
EM_JS(void, ShowOnPage, (const char* text, const char* title, int style), {
  Module.showMessageBox(UTF8ToString(text), UTF8ToString(title), style);
});
// clang-format on

// A page cannot make a handler wait for the player. The box is shown and answered at once with
// the answer that changes nothing: OK, or No to a question. When the player gives the other
// answer, the page takes the same input again with that answer given in advance.
class PageMessageBox final : public MessageBox {
 public:
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override {
    if (next_) {
      return *std::exchange(next_, std::nullopt);
    }
    const std::string t(text);
    const std::string c(title);
    ShowOnPage(t.c_str(), c.c_str(), static_cast<int>(style));
    return style == MsgBoxStyle::kYesNo ? MsgBoxAnswer::kNo : MsgBoxAnswer::kOk;
  }
  void AnswerNext(MsgBoxAnswer answer) { next_ = answer; }

 private:
  std::optional<MsgBoxAnswer> next_;
};

// The page's monotonic clock, performance.now().
class PageClock final : public SteadyClock {
 public:
  std::chrono::nanoseconds Now() const override {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::duration<double, std::milli>(emscripten_get_now()));
  }
};

struct Game {
  FixedSeedRandom random;
  PageMessageBox box;
  LocalStorageFile tableFile;
  FileStore highScores{tableFile,
                       [](const std::string& line) { emscripten_console_warn(line.c_str()); }, box};
  PageClock clock;
  PageSoundPlayer player;
  PageSettings settings;
  Sound sound{player, settings};
  Choice symbols{settings, kSymbolsChoice};
  Session session{random, box, highScores, clock};
  Changes changes;
  std::vector<std::int16_t> effect;  // the last effect drawn for the page

  Game() {
    session.AttachSound(sound);
    session.AttachSymbols(symbols);
  }
};

Game& TheGame() {
  static Game game;
  return game;
}

// The page names windows and buttons by number; a number of none is no input.
std::optional<Window> WindowAt(int w) {
  if (w < 0 || w >= static_cast<int>(kAllWindows.size())) {
    return std::nullopt;
  }
  return static_cast<Window>(w);
}

std::optional<Control> ButtonAt(int control) {
  if (control < 0 || control > static_cast<int>(Control::kCmdmain)) {
    return std::nullopt;
  }
  return static_cast<Control>(control);
}

const WindowDescription* DescriptionAt(int w) {
  const auto window = WindowAt(w);
  return window ? TheGame().session.Description(*window) : nullptr;
}

const WindowChange* ChangeAt(int w) {
  return WindowAt(w) ? &TheGame().changes.windows[static_cast<std::size_t>(w)] : nullptr;
}

const ControlView* ControlAt(int w, int i) {
  const WindowDescription* description = DescriptionAt(w);
  if (description == nullptr || i < 0 || i >= static_cast<int>(description->controls.size())) {
    return nullptr;
  }
  return &description->controls[static_cast<std::size_t>(i)];
}

// The fields of a control as the page reads them; web/description.js numbers them alike.
enum class Field {
  kKind,
  kLeft,
  kTop,
  kWidth,
  kHeight,
  kVisible,
  kFontRole,
  kPoints,
  kWeight,
  kItalic,
  kCentred,
  kWordWrap,
  kOpaque,
  kBackColor,  // -1: the system's face
  kForeColor,
  kFilled,
  kBorderWidth,
  kTabIndex,
  kButton,  // -1: not a button of the rules
  kSymbol,
  kSymbolInk,
};

double FieldOf(const ControlView& c, Field field) {
  switch (field) {
    case Field::kKind:
      return static_cast<double>(c.kind);
    case Field::kLeft:
      return c.left;
    case Field::kTop:
      return c.top;
    case Field::kWidth:
      return c.width;
    case Field::kHeight:
      return c.height;
    case Field::kVisible:
      return c.visible;
    case Field::kFontRole:
      return static_cast<double>(c.font.role);
    case Field::kPoints:
      return c.font.points;
    case Field::kWeight:
      return c.font.weight;
    case Field::kItalic:
      return c.font.italic;
    case Field::kCentred:
      return c.alignment == Alignment::kCentre;
    case Field::kWordWrap:
      return c.wordWrap;
    case Field::kOpaque:
      return c.opaque;
    case Field::kBackColor:
      return c.backColor ? static_cast<double>(*c.backColor) : -1;
    case Field::kForeColor:
      return c.foreColor;
    case Field::kFilled:
      return c.filled;
    case Field::kBorderWidth:
      return c.borderWidth;
    case Field::kTabIndex:
      return c.tabIndex;
    case Field::kButton:
      return c.button ? static_cast<double>(*c.button) : -1;
    case Field::kSymbol:
      return static_cast<double>(c.symbol.symbol);
    case Field::kSymbolInk:
      return c.symbol.ink;
  }
  return 0;
}

}  // namespace

}  // namespace quibbet

using quibbet::TheGame;

extern "C" {

EMSCRIPTEN_KEEPALIVE void quibbet_start() {
  TheGame().session.Start();
}

// A click on a button of the rules; one not on screen does nothing.
EMSCRIPTEN_KEEPALIVE void quibbet_click(int control) {
  if (const auto button = quibbet::ButtonAt(control)) {
    TheGame().session.Click(*button);
  }
}

EMSCRIPTEN_KEEPALIVE void quibbet_close(int window) {
  if (const auto w = quibbet::WindowAt(window)) {
    TheGame().session.Close(*w);
  }
}

EMSCRIPTEN_KEEPALIVE void quibbet_pointer(float x, float y) {
  TheGame().session.MovePointer(x, y);
}

EMSCRIPTEN_KEEPALIVE int quibbet_takes_key(int window, int code) {
  const auto w = quibbet::WindowAt(window);
  return w && TheGame().session.TakesKey(*w, static_cast<std::int16_t>(code));
}

EMSCRIPTEN_KEEPALIVE void quibbet_key(int window, int code, int repeat) {
  if (const auto w = quibbet::WindowAt(window)) {
    TheGame().session.PressKey(*w, static_cast<std::int16_t>(code), repeat != 0);
  }
}

// A key let go anywhere on the page.
EMSCRIPTEN_KEEPALIVE void quibbet_release_key(int code) {
  TheGame().session.ReleaseKey(static_cast<std::int16_t>(code));
}

// The gamepads' latest state, read on each frame while one is connected: the left stick, and a bit
// per button of the standard layout.
EMSCRIPTEN_KEEPALIVE void quibbet_gamepad(float x, float y, unsigned buttons) {
  TheGame().session.ReadGamepad({.x = x, .y = y, .buttons = buttons});
}

// Whether a click on the button submits a score, or a key pressed on a window does: the page
// delivers these under the lock that the table's other tabs take too.
EMSCRIPTEN_KEEPALIVE int quibbet_submits(int control) {
  return control == static_cast<int>(quibbet::Control::kCmdsubmit);
}

EMSCRIPTEN_KEEPALIVE int quibbet_key_submits(int window, int code) {
  const auto w = quibbet::WindowAt(window);
  return w && TheGame().session.KeyPresses(*w, static_cast<std::int16_t>(code)) ==
                  quibbet::Control::kCmdsubmit;
}

// Another tab changed the table in localStorage.
EMSCRIPTEN_KEEPALIVE void quibbet_table_changed() {
  TheGame().session.TableChanged();
}

EMSCRIPTEN_KEEPALIVE void quibbet_name_typed(const char* text) {
  TheGame().session.TypeName(text);
}

// The answer the next message box gets, given by the player to the box the same input opened.
EMSCRIPTEN_KEEPALIVE void quibbet_answer_next(int answer) {
  TheGame().box.AnswerNext(static_cast<quibbet::MsgBoxAnswer>(answer));
}

// The player moved the focus to control index of a window, or to the window itself (-1).
EMSCRIPTEN_KEEPALIVE void quibbet_focus(int window, int index) {
  if (const auto w = quibbet::WindowAt(window)) {
    TheGame().session.FocusOn(*w, index);
  }
}

EMSCRIPTEN_KEEPALIVE void quibbet_out_of_sight(int hidden) {
  TheGame().session.SetOutOfSight(hidden != 0);
}

EMSCRIPTEN_KEEPALIVE void quibbet_lose_keyboard() {
  TheGame().session.LoseKeyboard();
}

// Runs the ticks due now; returns how many ran.
EMSCRIPTEN_KEEPALIVE int quibbet_advance() {
  return static_cast<int>(TheGame().session.Advance());
}

EMSCRIPTEN_KEEPALIVE int quibbet_ticking() {
  return TheGame().session.Ticking();
}

EMSCRIPTEN_KEEPALIVE int quibbet_ended() {
  return TheGame().session.Ended();
}

// The active window, -1 for none.
EMSCRIPTEN_KEEPALIVE int quibbet_active() {
  const auto active = TheGame().session.Active();
  return active ? static_cast<int>(*active) : -1;
}

// 0 unloaded, 1 hidden, 2 visible.
EMSCRIPTEN_KEEPALIVE int quibbet_state(int window) {
  const auto w = quibbet::WindowAt(window);
  return w ? static_cast<int>(TheGame().session.State(*w)) : 0;
}

// Counts the loads of a window, so that a view can tell a window loaded afresh.
EMSCRIPTEN_KEEPALIVE int quibbet_generation(int window) {
  const auto w = quibbet::WindowAt(window);
  return w ? TheGame().session.Generation(*w) : 0;
}

// Takes what changed since the last call; returns 1 when a window is to be brought to the front.
EMSCRIPTEN_KEEPALIVE int quibbet_take_changes() {
  quibbet::Game& game = TheGame();
  game.changes = game.session.TakeChanges();
  return game.changes.activate;
}

// What changed on a window: 1 its state, 2 its focus, 4 the paused notice.
EMSCRIPTEN_KEEPALIVE int quibbet_window_changes(int window) {
  const quibbet::WindowChange* c = quibbet::ChangeAt(window);
  return c ? (c->state ? 1 : 0) | (c->focus ? 2 : 0) | (c->notice ? 4 : 0) : 0;
}

// The controls that changed on a window: bit i of the low (half 0) or high (half 1) 32 bits.
EMSCRIPTEN_KEEPALIVE std::uint32_t quibbet_changed_controls(int window, int half) {
  const quibbet::WindowChange* c = quibbet::ChangeAt(window);
  return c && (half == 0 || half == 1) ? static_cast<std::uint32_t>(c->controls >> (half * 32)) : 0;
}

// The window's size in twips (0, 1), back colour (2, -1 for the face), focus (3), paused (4)
// and count of controls (5); 0 for a window not loaded.
EMSCRIPTEN_KEEPALIVE double quibbet_window_field(int window, int field) {
  const quibbet::WindowDescription* description = quibbet::DescriptionAt(window);
  if (description == nullptr) {
    return 0;
  }
  const quibbet::WindowDescription& d = *description;
  switch (field) {
    case 0:
      return d.width;
    case 1:
      return d.height;
    case 2:
      return d.backColor ? static_cast<double>(*d.backColor) : -1;
    case 3:
      return d.focus;
    case 4:
      return d.paused;
    default:
      return static_cast<double>(d.controls.size());
  }
}

EMSCRIPTEN_KEEPALIVE const char* quibbet_caption(int window) {
  const quibbet::WindowDescription* d = quibbet::DescriptionAt(window);
  return d ? d->caption.data() : "";
}

EMSCRIPTEN_KEEPALIVE double quibbet_field(int window, int index, int field) {
  const quibbet::ControlView* c = quibbet::ControlAt(window, index);
  return c ? quibbet::FieldOf(*c, static_cast<quibbet::Field>(field)) : 0;
}

// The control's name (0) or text (1).
EMSCRIPTEN_KEEPALIVE const char* quibbet_text(int window, int index, int which) {
  const quibbet::ControlView* c = quibbet::ControlAt(window, index);
  if (c == nullptr) {
    return "";
  }
  return which == 0 ? c->name.c_str() : c->text.c_str();
}

// Whether the changes include M or C turning sound or symbols off or on (1), whether sound is
// on (2) and whether symbols are (4).
EMSCRIPTEN_KEEPALIVE int quibbet_choices() {
  const quibbet::Game& game = TheGame();
  return (game.changes.choiceNotice.empty() ? 0 : 1) | (game.sound.on() ? 2 : 0) |
         (game.symbols.on() ? 4 : 0);
}

// What M or C did, to tell the player; the notices are texts of the program's own.
EMSCRIPTEN_KEEPALIVE const char* quibbet_choice_notice() {
  return TheGame().changes.choiceNotice.data();
}

// Draws a cue's effect into the module's memory: returns where its 16-bit samples start, and
// quibbet_effect_length how many there are. The page makes its sound buffers from them once.
EMSCRIPTEN_KEEPALIVE const std::int16_t* quibbet_effect(int cue) {
  quibbet::Game& game = TheGame();
  game.effect = cue >= 0 && cue < static_cast<int>(quibbet::kAllCues.size())
                    ? quibbet::RenderEffect(static_cast<quibbet::Cue>(cue))
                    : std::vector<std::int16_t>{};
  return game.effect.data();
}

EMSCRIPTEN_KEEPALIVE int quibbet_effect_length() {
  return static_cast<int>(TheGame().effect.size());
}

EMSCRIPTEN_KEEPALIVE int quibbet_effect_rate() {
  return quibbet::kEffectRate;
}

// The paused notice's heading (0) and hint (1).
EMSCRIPTEN_KEEPALIVE const char* quibbet_notice(int line) {
  return line == 0 ? quibbet::kPausedHeading.data() : quibbet::kPausedHint.data();
}

}  // extern "C"
