// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets program: one empty window the size of the game's main menu. The
// program's start-up time and memory are measured against this one's.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(738, 498);
  window.show();
  return QApplication::exec();
}
