// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

// Runs a task once the program's first window has painted its first frame, for work that would
// slow that frame down if it ran beside it: the dynamic loader's lock, taken by a library loading
// on another thread, holds up every plugin Qt loads for the first frame.

namespace quibbet {

class AfterFirstFrame final : public QObject {
 public:
  explicit AfterFirstFrame(std::function<void()> task);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> task_;
};

}  // namespace quibbet
