// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told of each window: the window by its title, every control by its
// caption or text, the painted player and blocks by what they are and where they lie, and the
// controls the Tab key visits, in their designed order.

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "desktop_fixture.h"

namespace quibbet::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

struct Node {
  QAccessible::Role role;
  QString name;
  bool shown;
  QRect rect;
  QObject* object;
};

QAccessibleInterface* Accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

// Everything under the interface, depth first; each child must know its place under its parent,
// or a screen reader walking up and down the tree gets lost.
void Walk(QAccessibleInterface& parent, std::vector<Node>& nodes) {
  for (int i = 0; i < parent.childCount(); ++i) {
    QAccessibleInterface* child = parent.child(i);
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(child->parent(), &parent) << i;
    EXPECT_EQ(parent.indexOfChild(child), i);
    nodes.push_back({child->role(), child->text(QAccessible::Name), !child->state().invisible,
                     child->rect(), child->object()});
    Walk(*child, nodes);
  }
  EXPECT_EQ(parent.child(parent.childCount()), nullptr);
}

// The window's tree, once the window itself is checked: a window, named by its title.
std::vector<Node> Tree(QWidget& window) {
  QAccessibleInterface* root = Accessible(&window);
  EXPECT_EQ(root->role(), QAccessible::Window);
  EXPECT_EQ(root->text(QAccessible::Name), window.windowTitle());
  std::vector<Node> nodes;
  Walk(*root, nodes);
  // A control is named by what it shows, so only a label with no text yet goes without a name.
  for (const Node& node : nodes) {
    const auto* label = qobject_cast<QLabel*>(node.object);
    EXPECT_EQ(node.name, label != nullptr ? label->text() : node.name);
    if (label == nullptr) {
      EXPECT_FALSE(node.name.isEmpty()) << "role " << node.role;
    }
  }
  return nodes;
}

using Names = std::vector<std::string>;

// The names of the shown nodes with this role, in tree order.
Names Shown(const std::vector<Node>& nodes, QAccessible::Role role) {
  Names names;
  for (const Node& node : nodes) {
    if (node.role == role && node.shown) {
      names.push_back(node.name.toStdString());
    }
  }
  return names;
}

const Node& Named(const std::vector<Node>& nodes, const QString& name) {
  const auto found =
      std::find_if(nodes.begin(), nodes.end(), [&](const Node& node) { return node.name == name; });
  EXPECT_NE(found, nodes.end()) << name.toStdString();
  return found != nodes.end() ? *found : nodes.front();
}

bool Has(const Names& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Where the window shows a rectangle of its client area, in screen coordinates.
QRect OnScreen(const QWidget& window, QRect local) {
  return {window.mapToGlobal(local.topLeft()), local.size()};
}

// What a screen reader announces as the focus moves with each press of the Tab key.
Names Announced(QWidget& window, Qt::KeyboardModifiers modifiers, int presses) {
  Names names;
  for (int i = 0; i < presses; ++i) {
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab, modifiers);
    QAccessibleInterface* focused = Accessible(window.focusWidget());
    EXPECT_TRUE(focused->state().focused) << i;
    names.push_back(focused->text(QAccessible::Name).toStdString());
  }
  return names;
}

using Accessibility = DesktopTest;

TEST_F(Accessibility, MenuButtonsAreNamedByTheirCaptionsAndTabbedInDesignOrder) {
  Form2View& window = *menu();
  const std::vector<Node> nodes = Tree(window);
  EXPECT_EQ(Shown(nodes, QAccessible::Button), Names({"Play", "How To Play", "About", "Exit"}));
  EXPECT_EQ(nodes.size(), 4u) << "the picture is the title, already in the window's name";

  EXPECT_EQ(window.focusWidget(), window.cmdplay());
  EXPECT_EQ(Announced(window, Qt::NoModifier, 4), Names({"How To Play", "About", "Exit", "Play"}));
  EXPECT_EQ(Announced(window, Qt::ShiftModifier, 4),
            Names({"Exit", "About", "How To Play", "Play"}));
}

TEST_F(Accessibility, HelpWindowReadsItsTextsAndNamesEachSampleBlock) {
  Click(menu()->cmdhowto());
  FrmhelpView& window = *help();
  const std::vector<Node> nodes = Tree(window);
  const Names texts = Shown(nodes, QAccessible::StaticText);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "Quibbet How To");
  EXPECT_TRUE(texts[1].starts_with("Use the mouse to move.")) << texts[1];
  EXPECT_NE(texts[2].find("secret bonus shape"), std::string::npos) << texts[2];
  EXPECT_EQ(Shown(nodes, QAccessible::Button), Names({"Back to Main Menu"}));
  EXPECT_EQ(Shown(nodes, QAccessible::Graphic),
            Names({"Yellow block", "Blue block", "Bonus block", "Red block"}));
  EXPECT_EQ(Named(nodes, u"Red block"_s).rect, OnScreen(window, {480, 328, 57, 57}));

  EXPECT_EQ(Announced(window, Qt::NoModifier, 1), Names({"Back to Main Menu"}))
      << "the only stop of the Tab key";
}

TEST_F(Accessibility, GameWindowTellsWhereThePlayerAndEachBlockAre) {
  Click(menu()->cmdplay());
  Form1View& window = *game();
  controller_.shell().MovePointer(4320, 4320);  // the square's corner to (288, 288)
  controller_.RunTicks(0);
  std::vector<Node> nodes = Tree(window);
  EXPECT_EQ(Shown(nodes, QAccessible::Graphic),
            Names({"Player", "Red block", "Red block", "Red block", "Red block", "Yellow block",
                   "Yellow block", "Yellow block", "Yellow block", "Blue block", "Bonus block"}));
  const QRect square = OnScreen(window, {288, 288, 25, 25});
  EXPECT_EQ(Named(nodes, u"Player"_s).rect, square);
  const QAccessibleInterface* hit =
      Accessible(&window)->childAt(square.center().x(), square.center().y());
  ASSERT_NE(hit, nullptr);
  EXPECT_EQ(hit->text(QAccessible::Name), u"Player"_s);
  EXPECT_EQ(Shown(nodes, QAccessible::StaticText), Names({"", "Score", "0", "High Score", "0"}))
      << "the info bar, with the freeze countdown still empty";
  EXPECT_TRUE(Shown(nodes, QAccessible::Button).empty());

  // A freeze pales the red blocks on its first tick, and their names say so.
  form1().freezeready = kTrue;
  QTest::keyClick(window.windowHandle(), Qt::Key_Space);
  controller_.RunTicks(1);
  nodes = Tree(window);
  const Names blocks = Shown(nodes, QAccessible::Graphic);
  EXPECT_EQ(std::count(blocks.begin(), blocks.end(), "Frozen red block"), 4);
  EXPECT_FALSE(Has(blocks, "Red block"));
  EXPECT_TRUE(Has(Shown(nodes, QAccessible::StaticText), "4")) << "the countdown";
}

TEST_F(Accessibility, GameOverScreenNamesTheNameBoxByItsLabelAndTabsInDesignOrder) {
  Click(menu()->cmdplay());
  LoseRound();
  Form1View& window = *game();
  const std::vector<Node> nodes = Tree(window);
  EXPECT_TRUE(Shown(nodes, QAccessible::Graphic).empty()) << "the square and blocks are gone";
  EXPECT_EQ(Named(nodes, u"Player"_s).rect, QRect());
  EXPECT_EQ(Shown(nodes, QAccessible::EditableText), Names({"Enter Name:"}));
  EXPECT_EQ(Shown(nodes, QAccessible::Button),
            Names({"Click To Play Again", "Submit Score", "Go To Main Menu"}));
  const Names texts = Shown(nodes, QAccessible::StaticText);
  for (const char* text : {"Enter Name:", "1.", "Zell", "125", "All Time High Scores"}) {
    EXPECT_TRUE(Has(texts, text)) << text;
  }

  window.cmdreset()->setFocus();
  EXPECT_EQ(Announced(window, Qt::NoModifier, 4),
            Names({"Enter Name:", "Submit Score", "Go To Main Menu", "Click To Play Again"}));
  EXPECT_EQ(Announced(window, Qt::ShiftModifier, 2), Names({"Go To Main Menu", "Submit Score"}));
}

}  // namespace
}  // namespace quibbet::testing
