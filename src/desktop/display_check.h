// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// Qt connects to the display while the application object is made, through whichever platform
// it picks (-platform, QT_QPA_PLATFORM, the session's own), and when none answers it aborts with
// a page of advice to reinstall. While a DisplayCheck lives, Qt's messages are held back: if no
// platform starts, the program says so in one line and exits with status 1 before it has done
// anything else; otherwise they go out as they came once the check ends. The check costs nothing
// on a display that works: the connection it watches is the one the game then uses.

namespace quibbet {

class DisplayCheck {
 public:
  DisplayCheck();
  ~DisplayCheck();
  DisplayCheck(const DisplayCheck&) = delete;
  DisplayCheck& operator=(const DisplayCheck&) = delete;

 private:
  QtMessageHandler previous_;
};

}  // namespace quibbet
