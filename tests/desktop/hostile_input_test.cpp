// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever the player enters in the name box goes into the table exactly as entered and shows
// there as plain text, inside its own row; "Submit Score" enters a score once however often it
// is clicked; and the keys reach the game only in play: not on the game-over screen, and not
// while a message box is open.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <utility>
#include <vector>

#include "common/twips.h"
#include "desktop/qt_message_box.h"
#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// Where each of the game window's labels and its name box is, and whether it is shown.
struct Placed {
  QString name;
  QRect geometry;
  bool visible;
};

std::vector<Placed> Placement(const QWidget& window) {
  std::vector<Placed> placed;
  for (const QWidget* control : window.findChildren<QLabel*>()) {
    placed.push_back({control->objectName(), control->geometry(), control->isVisibleTo(&window)});
  }
  const auto* box = window.findChild<QLineEdit*>();
  placed.push_back({box->objectName(), box->geometry(), box->isVisibleTo(&window)});
  return placed;
}

class NameBox : public DesktopTest {
 protected:
  NameBox() { Click(menu()->cmdplay()); }

  // Ends the round on the given final score, with the game-over screen shown.
  void EndRoundOn(const char* score) {
    form1().lblscore.caption = score;
    LoseRound();
  }

  // The player clicks into the name box.
  void FocusNameBox() {
    QTest::mouseClick(game()->txtname(), Qt::LeftButton);
    ASSERT_EQ(game()->focusWidget(), game()->txtname());
  }

  // Types text as a keyboard or an input method delivers it: one key event per character,
  // carrying the character, sent to the game window the way the window system sends it.
  void Type(const QString& text) {
    FocusNameBox();
    for (const char32_t c : text.toUcs4()) {
      QTest::sendKeyEvent(QTest::Click, game()->windowHandle(),
                          c == U' ' ? Qt::Key_Space : Qt::Key_unknown, QString::fromUcs4(&c, 1),
                          Qt::NoModifier);
    }
  }

  // Pastes text with Ctrl+V: the way into the box for characters no key types.
  void Paste(const QString& text) {
    FocusNameBox();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(game()->windowHandle(), Qt::Key_V, Qt::ControlModifier);
  }

  QLabel* TableLabel(const char* column, int row) const {
    return game()->findChild<QLabel*>(u"%1(%2)"_s.arg(QLatin1StringView(column)).arg(row));
  }

  // The table's rows as shown: score and name of each.
  std::vector<std::pair<QString, QString>> Table() const {
    std::vector<std::pair<QString, QString>> rows;
    for (int row = 0; row < kTableRows; ++row) {
      rows.emplace_back(TableLabel("lbluserscore", row)->text(),
                        TableLabel("lblhighname", row)->text());
    }
    return rows;
  }
};

enum class Entry { kTyped, kPasted };

struct HostileName {
  const char* label;
  QString text;
  Entry entry;
};

void PrintTo(const HostileName& name, std::ostream* out) {
  *out << name.label;
}

// 32,767 characters: the most the name box holds.
QString LongestName() {
  return u"The quick brown fox jumps over the lazy dog. "_s.repeated(800).left(32767);
}

class HostileNames : public NameBox, public ::testing::WithParamInterface<HostileName> {};

TEST_P(HostileNames, AreEnteredAsTypedAndShownAsPlainTextWithinTheirRow) {
  const HostileName& name = GetParam();
  EndRoundOn("200");
  const std::vector<Placed> before = Placement(*game());
  if (name.entry == Entry::kTyped) {
    Type(name.text);
  } else {
    Paste(name.text);
  }
  ASSERT_EQ(game()->txtname()->text(), name.text) << "the box holds what was entered";
  Click(game()->cmdsubmit());
  EXPECT_TRUE(box_.shown.empty());

  QLabel* entered = TableLabel("lblhighname", 0);
  EXPECT_EQ(entered->text(), name.text);
  EXPECT_EQ(entered->textFormat(), Qt::PlainText);
  EXPECT_FALSE(entered->wordWrap());
  EXPECT_EQ(TableLabel("lbluserscore", 0)->text(), u"200"_s);
  EXPECT_EQ(TableLabel("lblhighname", 1)->text(), u"Zell"_s);
  EXPECT_EQ(TableLabel("lblhighname", 4)->text(), u"Corvale"_s);
  const std::vector<Placed> after = Placement(*game());
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].geometry, before[i].geometry) << after[i].name.toStdString();
    EXPECT_EQ(after[i].visible, before[i].visible) << after[i].name.toStdString();
  }

  // Nothing of the name shows outside its own label and the box it was typed in: the window
  // with both emptied looks the same everywhere else.
  const QImage shown = Picture(*game());
  form1().table.lblhighname[0].caption.clear();
  form1().txtname.text.clear();
  controller_.RunTicks(0);
  const QImage emptied = Picture(*game());
  const QRegion own = QRegion(entered->geometry()) + game()->txtname()->geometry();
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      differing += !own.contains(QPoint(x, y)) && shown.pixel(x, y) != emptied.pixel(x, y);
    }
  }
  EXPECT_EQ(differing, 0) << "pixels changed outside the name's own row and box";
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileNames,
    ::testing::Values(
        HostileName{"Markup", u"<b>x</b> <img src=x> &amp; <a href=\"y\">z</a> <br>&lt;"_s,
                    Entry::kTyped},
        HostileName{"Longest", LongestName(), Entry::kPasted},
        // Hebrew and Arabic with Latin and digits between, and a right-to-left override.
        HostileName{"RightToLeft", u"שלום abc مرحبا 123 \u202Eevil"_s, Entry::kTyped},
        // A decomposed é, a letter under a pile of marks above and below, a family joined by
        // zero-width joiners, a flag and a toned thumb.
        HostileName{"CombiningAndEmoji",
                    u"e\u0301 Z\u0351\u036B\u0343\u036A\u0302\u036B\u033D\u0319\u0324\u031E"
                    "\u0349\u035A\u032F \U0001F469\u200D\U0001F469\u200D\U0001F467 "
                    "\U0001F1EB\U0001F1F7 \U0001F44D\U0001F3FD"_s,
                    Entry::kTyped},
        HostileName{"ControlCharacters", u"a\tb\nc\rd\u0001e\u001Bf\u007Fg\u0085h\u2028i"_s,
                    Entry::kPasted},
        HostileName{"Empty", QString(), Entry::kTyped}),
    [](const ::testing::TestParamInfo<HostileName>& info) { return info.param.label; });

TEST_F(NameBox, SubmitScoreClickedHundredsOfTimesEntersOneScoreAtMost) {
  constexpr int kClicks = 300;
  EndRoundOn("0");
  Type(u"Ada"_s);
  const auto defaults = Table();
  for (int i = 0; i < kClicks; ++i) {
    Click(game()->cmdsubmit());
  }
  EXPECT_EQ(Table(), defaults);
  ASSERT_EQ(box_.shown.size(), static_cast<std::size_t>(kClicks)) << "refused every time";
  for (const ShownBox& shown : box_.shown) {
    EXPECT_EQ(shown.text, "FAIL! Score not good enough for highscores list.");
    EXPECT_EQ(shown.title, "Error");
    EXPECT_EQ(shown.style, MsgBoxStyle::kOkOnly);
  }

  box_.shown.clear();
  Click(game()->cmdreset());
  EndRoundOn("200");
  for (int i = 0; i < kClicks; ++i) {
    Click(game()->cmdsubmit());
  }
  EXPECT_TRUE(box_.shown.empty());
  const decltype(defaults) entered = {{u"200"_s, u"Ada"_s},
                                      {u"125"_s, u"Zell"_s},
                                      {u"115"_s, u"Harrowin"_s},
                                      {u"78"_s, u"Pettrick"_s},
                                      {u"45"_s, u"Corvale"_s}};
  EXPECT_EQ(Table(), entered);
}

TEST_F(NameBox, ASpacebarStillTappedAsTheRoundEndsTypesIntoTheNameBoxAndEnterSubmits) {
  // Picking up the blue block arms a freeze, and the round ends before it is used.
  Shape& blue = form1().shpother[8];
  blue.left = 3000;
  blue.top = 3000;
  controller_.shell().MovePointer(3100, 3100);
  controller_.RunTicks(1);
  ASSERT_TRUE(IsTrue(form1().freezeready));
  form1().txtname.text = "Ada";
  EndRoundOn("130");
  const std::int16_t ticks = form1().tickcount;

  QLineEdit* name = game()->txtname();
  EXPECT_EQ(game()->focusWidget(), name);
  EXPECT_EQ(name->cursorPosition(), 3) << "after the name the box holds";
  EXPECT_FALSE(name->hasSelectedText()) << "a key typed at once must not replace it";
  QTest::keyClick(game()->windowHandle(), Qt::Key_Space);
  EXPECT_FALSE(IsTrue(form1().frozen));
  EXPECT_EQ(form1().tickcount, ticks) << "a freeze would have restarted the count";
  EXPECT_FALSE(form1().Timer1.enabled) << "no new round";
  EXPECT_EQ(form1().txtname.text, "Ada ");

  // A click on the empty background leaves the name box the keys.
  QTest::mouseClick(game(), Qt::LeftButton, {}, {60, 300});
  EXPECT_EQ(game()->focusWidget(), name);

  struct Submits final : InputLog {
    void Took(const Input& input) override {
      const auto* click = std::get_if<ClickInput>(&input);
      count += click != nullptr && click->control == Control::kCmdsubmit ? 1 : 0;
    }
    int count = 0;
  } submits;
  controller_.shell().SetInputLog(&submits);
  QTest::keyClick(game()->windowHandle(), Qt::Key_Return);
  EXPECT_EQ(Table()[0], std::pair(u"130"_s, u"Ada "_s));
  QTest::keyClick(game()->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
  controller_.shell().SetInputLog(nullptr);
  EXPECT_EQ(submits.count, 2);
}

// The real message boxes, answered by keys sent to them while other keys go to the window
// behind them.
class UnderAMessageBox : public ::testing::Test {
 protected:
  UnderAMessageBox() : controller_(random_, box_) { controller_.Start(); }

  QWidget* view(Window w) const { return controller_.view(w); }
  QPushButton* Button(Window w, const char* name) const {
    return view(w)->findChild<QPushButton*>(QLatin1StringView(name));
  }

  // Plays the round until it is lost, the pointer put on block 0 once it is in the window.
  void LoseRound() {
    const Form1& form = *controller_.shell().form1();
    const Shape& red = form.shpother[0];
    QWidget* game = view(Window::kForm1);
    while (form.Timer1.enabled) {
      const QPoint centre =
          QPointF(red.left + red.width / 2, red.top + red.height / 2).toPoint() / kTwipsPerPixel;
      if (game->rect().contains(centre)) {
        QTest::mouseMove(game->windowHandle(), centre);
      }
      controller_.RunTicks(1);
    }
  }

  static QMessageBox* OpenBox() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible()) {
        return box;
      }
    }
    return nullptr;
  }

  // Clicks the button; once the box it opens is up, presses keys over the window behind it,
  // checks that they changed nothing, and answers the box with Escape.
  void PressKeysUnderTheBox(QPushButton* button, const std::function<void()>& expectUnchanged) {
    QWidget* behind = button->window();
    const QWidget* focused = behind->focusWidget();
    int boxes = 0;
    // Bound to this call: a box that never opens leaves no check running later.
    const QObject call;
    QTimer::singleShot(0, &call, [&] {
      QMessageBox* box = OpenBox();
      ASSERT_NE(box, nullptr) << "a box is open";
      ++boxes;
      EXPECT_EQ(QApplication::activeModalWidget(), box);
      for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_A, Qt::Key_Tab}) {
        QTest::keyClick(behind->windowHandle(), key);
      }
      expectUnchanged();
      EXPECT_EQ(behind->focusWidget(), focused) << "Tab moved the focus behind the box";
      QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
      if (box->isVisible()) {
        ADD_FAILURE() << "Escape did not answer the box";
        box->reject();
      }
    });
    button->click();
    EXPECT_EQ(boxes, 1);
    expectUnchanged();
  }

  FixedSeedRandom random_;
  QtMessageBox box_;
  Controller controller_;
};

TEST_F(UnderAMessageBox, TheKeysGoToTheBoxAlone) {
  // About over the menu: the menu's focused Play takes no key meanwhile.
  PressKeysUnderTheBox(Button(Window::kForm2, "cmdabout"), [&] {
    EXPECT_EQ(controller_.shell().form1(), nullptr) << "Play was not pressed";
    EXPECT_TRUE(view(Window::kForm2)->isVisible());
  });

  // The refusal over the game-over screen, with a freeze armed: neither the focused Click To
  // Play Again nor the game takes a key, and nothing is typed into the name box.
  Button(Window::kForm2, "cmdplay")->click();
  LoseRound();
  Form1& form = *controller_.shell().form1();
  form.freezeready = kTrue;
  const std::int16_t ticks = form.tickcount;
  PressKeysUnderTheBox(Button(Window::kForm1, "cmdsubmit"), [&] {
    EXPECT_FALSE(form.Timer1.enabled) << "no new round";
    EXPECT_TRUE(IsTrue(form.freezeready));
    EXPECT_FALSE(IsTrue(form.frozen));
    EXPECT_EQ(form.tickcount, ticks);
    EXPECT_EQ(form.txtname.text, "");
    EXPECT_EQ(form.table.lblhighname[0].caption, "Zell");
  });
}

}  // namespace
}  // namespace quibbet::testing
