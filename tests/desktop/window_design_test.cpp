// What each window shows when it opens: every control at its designed place, in its font and
// colour, with its text, in its tab order. A slip here is what the player sees first.

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <stdexcept>
#include <string>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

QRgb Rgb(int r, int g, int b) {
  return qRgb(r, g, b);
}
const QRgb kBlack = Rgb(0, 0, 0);
const QRgb kGreen = Rgb(0, 255, 0);
const QRgb kRed = Rgb(255, 0, 0);

// The controls that the Tab key stops at, in order.
QStringList TabStops(QWidget& window) {
  QStringList names;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) != 0) {
      names << w->objectName();
    }
  }
  return names;
}

template <typename Widget>
Widget& Control(QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QLatin1StringView(name));
  if (widget == nullptr) {
    throw std::runtime_error(std::string("no control ") + name);
  }
  return *widget;
}

// A font as it really resolved on this machine: its free face must be installed. Qt names a
// face that several foundries supply with the foundry after it, "URW Gothic [UKWN]".
void ExpectFont(const QWidget& widget, const char* family, int pixels, bool bold, bool italic) {
  const QFontInfo font(widget.font());
  const std::string name = widget.objectName().toStdString();
  EXPECT_TRUE(font.family().startsWith(QLatin1StringView(family)))
      << name << ": " << font.family().toStdString();
  EXPECT_EQ(font.pixelSize(), pixels) << name;
  EXPECT_EQ(font.bold(), bold) << name;
  EXPECT_EQ(font.italic(), italic) << name;
}

using WindowDesign = DesktopTest;

TEST_F(WindowDesign, MenuShowsFourColouredButtonsOnThePicture) {
  Form2View& window = *menu();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Welcome To Quibbet 2"));
  EXPECT_EQ(window.size(), QSize(738, 498));
  EXPECT_NE(window.minimumSize(), window.maximumSize()) << "the menu can be resized";

  struct Expected {
    QPushButton* button;
    const char* caption;
    QRect geometry;
    QRgb colour;
  };
  for (const Expected& e :
       {Expected{window.cmdplay(), "Play", {24, 232, 169, 41}, kGreen},
        Expected{window.cmdhowto(), "How To Play", {72, 288, 169, 41}, Rgb(255, 255, 0)},
        Expected{window.cmdabout(), "About", {120, 344, 169, 41}, kRed},
        Expected{window.cmdexit(), "Exit", {160, 408, 169, 41}, Rgb(255, 0, 255)}}) {
    EXPECT_EQ(e.button->text(), QLatin1StringView(e.caption));
    EXPECT_EQ(e.button->geometry(), e.geometry) << e.caption;
    ExpectFont(*e.button, "URW Gothic", 21, true, true);
    // The graphical look shows the designed colour itself, not a shade of it.
    EXPECT_EQ(Picture(*e.button).pixel(8, 20), e.colour) << e.caption;
  }
  EXPECT_EQ(window.focusWidget(), window.cmdplay());
  EXPECT_EQ(TabStops(window),
            QStringList({u"cmdplay"_s, u"cmdhowto"_s, u"cmdabout"_s, u"cmdexit"_s}));
}

TEST_F(WindowDesign, MenuPictureSitsTopLeftAtNaturalSizeAndResizingMovesNothing) {
  Form2View& window = *menu();
  const QImage picture = QImage(u":/menu.png"_s).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(picture.size(), QSize(989, 751));
  // Right of the buttons the window shows the picture pixel for pixel.
  const QRect beside(340, 0, 398, 498);
  EXPECT_EQ(Picture(window).convertToFormat(QImage::Format_RGB32).copy(beside),
            picture.copy(beside));

  const QRect play = window.cmdplay()->geometry();
  window.resize(1100, 800);
  const QImage enlarged = Picture(window).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(window.cmdplay()->geometry(), play);
  EXPECT_EQ(enlarged.copy(QRect(738, 498, 251, 253)), picture.copy(QRect(738, 498, 251, 253)));
  EXPECT_EQ(enlarged.pixel(1050, 780), Rgb(255, 255, 255)) << "white beyond the picture";
}

TEST_F(WindowDesign, HelpWindowShowsTheRulesSamplesAndMarks) {
  Click(menu()->cmdhowto());
  FrmhelpView& window = *help();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("How to Play"));
  EXPECT_EQ(window.size(), QSize(692, 480));
  EXPECT_NE(window.minimumSize(), window.maximumSize());

  auto& title = Control<QLabel>(window, "Label1");
  auto& rules = Control<QLabel>(window, "Label2");
  auto& bonus = Control<QLabel>(window, "Label3");
  EXPECT_EQ(title.text(), QStringLiteral("Quibbet How To"));
  EXPECT_TRUE(rules.text().startsWith(u"Use the mouse to move.  The goal of Quibbet 2"_s));
  EXPECT_TRUE(bonus.text().startsWith(u"If you stay alive for 33 seconds"_s));
  EXPECT_EQ(rules.geometry(), QRect(56, 72, 609, 161));
  EXPECT_EQ(bonus.geometry(), QRect(256, 256, 193, 73));
  EXPECT_TRUE(rules.wordWrap());
  EXPECT_EQ(rules.alignment(), Qt::AlignHCenter | Qt::AlignTop);
  ExpectFont(title, "URW Gothic", 21, true, true);
  ExpectFont(bonus, "URW Gothic", 11, true, false);

  EXPECT_EQ(window.Command1()->text(), QStringLiteral("Back to Main Menu"));
  EXPECT_EQ(window.Command1()->geometry(), QRect(248, 424, 161, 41));
  EXPECT_EQ(window.focusWidget(), window.Command1());

  const QImage painted = Picture(window);
  EXPECT_EQ(painted.pixel(508, 356), kRed) << "inside the red sample";
  EXPECT_EQ(painted.pixel(480, 356), kBlack) << "its 2-pixel border";
  EXPECT_EQ(painted.pixel(481, 356), kBlack);
  EXPECT_EQ(painted.pixel(482, 356), kRed);
  EXPECT_EQ(painted.pixel(152, 304), kGreen) << "on the tick's short stroke";
  EXPECT_EQ(painted.pixel(508, 296), kRed) << "where the cross's strokes meet";
}

TEST_F(WindowDesign, GameWindowIsFixedWithTheInfoBarShownAndTheGameOverScreenHidden) {
  Play();
  Form1View& window = *game();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quibbet"));
  EXPECT_EQ(window.minimumSize(), QSize(729, 601));
  EXPECT_EQ(window.maximumSize(), QSize(729, 601));
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);

  auto& score = Control<QLabel>(window, "lblscore");
  EXPECT_EQ(score.text(), QStringLiteral("0"));
  EXPECT_EQ(score.geometry(), QRect(384, 8, 81, 33));
  EXPECT_EQ(score.alignment(), Qt::AlignHCenter | Qt::AlignTop);
  ExpectFont(score, "Liberation Sans", 24, true, false);
  EXPECT_EQ(Control<QLabel>(window, "lblhigh1").text(), QStringLiteral("High Score"));
  ExpectFont(Control<QLabel>(window, "lblhigh1"), "Liberation Sans", 18, false, false);
  for (const char* hidden : {"lblspacebar", "lblname", "lblalltime", "lblhighname(0)"}) {
    EXPECT_FALSE(Control<QLabel>(window, hidden).isVisible()) << hidden;
  }
  for (QPushButton* button : {window.cmdreset(), window.cmdsubmit(), window.cmdmain()}) {
    EXPECT_FALSE(button->isVisible()) << button->objectName().toStdString();
  }
  EXPECT_FALSE(window.txtname()->isVisible());
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
  }

  const QImage painted = Picture(window);
  EXPECT_EQ(painted.pixel(300, 0), kBlack) << "the info bar's 1-pixel outline";
  EXPECT_EQ(painted.pixel(300, 48), kBlack);
  EXPECT_EQ(painted.pixel(300, 49), Rgb(255, 255, 255));
}

TEST_F(WindowDesign, GameOverScreenShowsTheTableAndTheButtonsInTabOrder) {
  Play();
  LoseRound();
  Form1View& window = *game();
  EXPECT_EQ(Control<QLabel>(window, "lblalltime").text(), QStringLiteral("All Time High Scores"));
  EXPECT_EQ(Control<QLabel>(window, "lblhighname(1)").text(), QStringLiteral("Harrowin"));
  EXPECT_EQ(Control<QLabel>(window, "lbluserscore(4)").text(), QStringLiteral("25"));
  EXPECT_EQ(Control<QLabel>(window, "lblscorenumber(2)").geometry(), QRect(192, 264, 25, 25));
  EXPECT_TRUE(window.cmdreset()->isVisible());
  EXPECT_EQ(window.cmdreset()->text(), QStringLiteral("Click To Play Again"));
  EXPECT_EQ(window.cmdreset()->geometry(), QRect(256, 400, 193, 41));
  ExpectFont(*window.cmdreset(), "URW Bookman", 16, true, true);
  EXPECT_EQ(window.cmdmain()->geometry(), QRect(288, 464, 129, 33));
  ExpectFont(*window.cmdmain(), "URW Gothic", 11, true, false);
  EXPECT_EQ(window.txtname()->geometry(), QRect(344, 72, 217, 33));
  EXPECT_EQ(window.txtname()->palette().color(QPalette::Base), QColor(224, 224, 224));
  EXPECT_EQ(TabStops(window),
            QStringList({u"cmdreset"_s, u"txtname"_s, u"cmdsubmit"_s, u"cmdmain"_s}));
}

}  // namespace
}  // namespace quibbet::testing
