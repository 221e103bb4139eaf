// What each window shows when it opens: every control at its designed place, in its font and
// colour, with its text, in its tab order. A slip here is what the player sees first.

#include <QFontInfo>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <string>
#include <vector>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);

struct Design {
  const char* name;
  QRect geometry;
  const char* text;  // null: a long text checked elsewhere
  const char* font;  // as it resolved on this machine, so a face not installed shows up
};

// Qt names a face that several foundries supply with the foundry after it: "URW Gothic [UKWN]".
std::string FontOf(const QWidget& widget) {
  const QFontInfo font(widget.font());
  return font.family().section(u" ["_s, 0, 0).toStdString() + " " +
         std::to_string(font.pixelSize()) + (font.bold() ? " bold" : "") +
         (font.italic() ? " italic" : "");
}

void ExpectDesign(QWidget& window, std::initializer_list<Design> controls) {
  for (const Design& d : controls) {
    const auto* control = window.findChild<QWidget*>(QLatin1StringView(d.name));
    ASSERT_NE(control, nullptr) << d.name;
    EXPECT_EQ(control->geometry(), d.geometry) << d.name;
    if (d.text != nullptr) {
      EXPECT_EQ(control->property("text").toString().toStdString(), d.text);
    }
    EXPECT_EQ(FontOf(*control), d.font) << d.name;
  }
}

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

using WindowDesign = DesktopTest;

TEST_F(WindowDesign, MenuShowsFourColouredButtonsOnItsPicture) {
  Form2View& window = *menu();
  EXPECT_EQ(window.windowTitle(), u"Welcome To Quibbet 2"_s);
  EXPECT_EQ(window.size(), QSize(738, 498));
  EXPECT_NE(window.minimumSize(), window.maximumSize()) << "the menu can be resized";
  constexpr const char* kLithos = "URW Gothic 21 bold italic";
  ExpectDesign(window, {{"cmdplay", {24, 232, 169, 41}, "Play", kLithos},
                        {"cmdhowto", {72, 288, 169, 41}, "How To Play", kLithos},
                        {"cmdabout", {120, 344, 169, 41}, "About", kLithos},
                        {"cmdexit", {160, 408, 169, 41}, "Exit", kLithos}});
  // The graphical look shows the designed colour itself, not a shade of it.
  EXPECT_EQ(Picture(*window.cmdplay()).pixel(8, 20), qRgb(0, 255, 0));
  EXPECT_EQ(Picture(*window.cmdexit()).pixel(8, 20), qRgb(255, 0, 255));
  EXPECT_EQ(window.focusWidget(), window.cmdplay());
  EXPECT_EQ(TabStops(window),
            QStringList({u"cmdplay"_s, u"cmdhowto"_s, u"cmdabout"_s, u"cmdexit"_s}));

  // The picture lies at the top-left, pixel for pixel; enlarging the window shows more of it,
  // white beyond it, and moves no button.
  const QImage picture = QImage(u":/menu.png"_s).convertToFormat(QImage::Format_RGB32);
  window.resize(1100, 800);
  const QImage enlarged = Picture(window);
  const QRect besideButtons(340, 0, 649, 751);
  EXPECT_EQ(enlarged.copy(besideButtons), picture.copy(besideButtons));
  EXPECT_EQ(enlarged.pixel(1050, 780), kWhite);
  EXPECT_EQ(window.cmdplay()->geometry(), QRect(24, 232, 169, 41));
}

// The pixels of a graphical button's face that neither its caption nor its focus rectangle
// covers: the two-pixel ring just inside its edge and a spot left of the caption.
std::vector<QRgb> OpenFace(QPushButton& button) {
  const QImage painted = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
  std::vector<QRgb> face{painted.pixel(8, 20)};
  const QRect inside = button.rect().adjusted(2, 2, -2, -2);
  for (int x = inside.left(); x <= inside.right(); ++x) {
    for (const int y : {inside.top(), inside.top() + 1, inside.bottom() - 1, inside.bottom()}) {
      face.push_back(painted.pixel(x, y));
    }
  }
  return face;
}

TEST_F(WindowDesign, GraphicalButtonsKeepTheirExactColourInEveryState) {
  QPushButton& play = *menu()->cmdplay();
  const std::vector<QRgb> green(OpenFace(play).size(), qRgb(0, 255, 0));
  ASSERT_TRUE(QTest::qWaitForWindowActive(menu()));
  ASSERT_TRUE(play.hasFocus());
  EXPECT_EQ(OpenFace(play), green) << "focused";
  const QImage focused = Picture(play);
  int dots = 0;
  for (int y = 4; y < play.height() - 4; ++y) {
    dots += focused.pixel(4, y) == kBlack ? 1 : 0;
  }
  EXPECT_GT(dots, 5) << "a dotted focus rectangle inside the face";
  EXPECT_EQ(focused.pixel(0, play.height() - 1), kBlack) << "a raised edge";

  QTest::mouseMove(menu()->windowHandle(), play.geometry().center());
  EXPECT_EQ(OpenFace(play), green) << "under the pointer";
  play.setDown(true);
  EXPECT_EQ(OpenFace(play), green) << "pressed";
  EXPECT_EQ(Picture(play).pixel(0, 0), kBlack) << "a sunken edge";
  play.setDown(false);
  EXPECT_EQ(OpenFace(*menu()->cmdexit()), std::vector<QRgb>(green.size(), qRgb(255, 0, 255)));
}

TEST_F(WindowDesign, HelpWindowShowsTheRulesSamplesAndMarks) {
  Click(menu()->cmdhowto());
  FrmhelpView& window = *help();
  EXPECT_EQ(window.windowTitle(), u"How to Play"_s);
  EXPECT_EQ(window.size(), QSize(692, 480));
  EXPECT_NE(window.minimumSize(), window.maximumSize());
  ExpectDesign(
      window,
      {{"Label1", {232, 16, 241, 33}, "Quibbet How To", "URW Gothic 21 bold italic"},
       {"Label2", {56, 72, 609, 161}, nullptr, "URW Gothic 16 bold italic"},
       {"Label3", {256, 256, 193, 73}, nullptr, "URW Gothic 11 bold"},
       {"Command1", {248, 424, 161, 41}, "Back to Main Menu", "URW Gothic 13 bold italic"}});
  const auto* rules = window.findChild<QLabel*>(u"Label2"_s);
  EXPECT_TRUE(rules->text().startsWith(u"Use the mouse to move.  The goal of Quibbet 2"_s));
  EXPECT_TRUE(rules->wordWrap());
  EXPECT_EQ(rules->alignment(), Qt::AlignHCenter | Qt::AlignTop);
  EXPECT_EQ(window.focusWidget(), window.Command1());

  const QImage painted = Picture(window);
  EXPECT_EQ(painted.pixel(481, 356), kBlack) << "the red sample's 2-pixel border";
  EXPECT_EQ(painted.pixel(482, 356), kRed);
  EXPECT_EQ(painted.pixel(152, 304), qRgb(0, 255, 0)) << "on the tick's short stroke";
  EXPECT_EQ(painted.pixel(508, 296), kRed) << "where the cross's strokes meet";
}

TEST_F(WindowDesign, GameWindowIsFixedAndShowsOnlyTheInfoBarDuringPlay) {
  Click(menu()->cmdplay());
  Form1View& window = *game();
  EXPECT_EQ(window.windowTitle(), u"Quibbet"_s);
  EXPECT_EQ(window.minimumSize(), QSize(729, 601));
  EXPECT_EQ(window.maximumSize(), QSize(729, 601));
  EXPECT_FALSE(window.windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  ExpectDesign(window, {{"lblscore1", {328, 8, 65, 33}, "Score", "Liberation Sans 18"},
                        {"lblscore", {384, 8, 81, 33}, "0", "Liberation Sans 24 bold"},
                        {"lblhigh", {664, 8, 65, 25}, "0", "Liberation Sans 18 bold"}});
  EXPECT_EQ(window.findChild<QLabel*>(u"lblscore"_s)->alignment(), Qt::AlignHCenter | Qt::AlignTop);
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    const bool infoBar = label->y() < 49 && label->objectName() != u"lblspacebar"_s;
    EXPECT_EQ(label->isVisible(), infoBar) << label->objectName().toStdString();
  }
  EXPECT_FALSE(window.cmdreset()->isVisible());
  EXPECT_FALSE(window.txtname()->isVisible());
  const QImage painted = Picture(window);
  EXPECT_EQ(painted.pixel(300, 48), kBlack) << "the info bar's 1-pixel outline";
  EXPECT_EQ(painted.pixel(300, 49), kWhite);
}

TEST_F(WindowDesign, GameOverScreenShowsTheTableAndTheButtonsInTabOrder) {
  Click(menu()->cmdplay());
  LoseRound();
  Form1View& window = *game();
  ExpectDesign(
      window,
      {{"lblname", {144, 72, 161, 33}, "Enter Name:", "Liberation Sans 24 bold"},
       {"txtname", {344, 72, 217, 33}, "", "Liberation Sans 24 bold"},
       {"cmdsubmit", {296, 112, 113, 25}, "Submit Score", "Liberation Sans 11 bold"},
       {"lblalltime", {240, 152, 233, 33}, "All Time High Scores", "Liberation Sans 18 bold"},
       {"lblscorenumber(2)", {192, 264, 25, 25}, "3.", "Liberation Sans 18 bold"},
       {"lblhighname(1)", {240, 224, 193, 25}, "Harrowin", "Liberation Sans 18 bold"},
       {"cmdreset", {256, 400, 193, 41}, "Click To Play Again", "URW Bookman 16 bold italic"},
       {"cmdmain", {288, 464, 129, 33}, "Go To Main Menu", "URW Gothic 11 bold"}});
  EXPECT_EQ(window.txtname()->palette().color(QPalette::Base), QColor(224, 224, 224));
  EXPECT_EQ(TabStops(window),
            QStringList({u"cmdreset"_s, u"txtname"_s, u"cmdsubmit"_s, u"cmdmain"_s}));
}

}  // namespace
}  // namespace quibbet::testing
