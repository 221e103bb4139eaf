// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "common/random_source.h"

// Stand-ins for the platform in the rules' tests: draws chosen by the test, and a message box
// that records what it was asked to show and answers from a queue.

namespace quibbet::testing {

// Draws from a queue; 0.5 once the queue is empty, so tests that do not care still run.
class ScriptedRandom final : public RandomSource {
 public:
  void Queue(std::initializer_list<float> draws) { draws_.insert(draws_.end(), draws); }
  float Next() override {
    ++taken_;
    if (draws_.empty()) {
      return 0.5f;
    }
    const float r = draws_.front();
    draws_.pop_front();
    return r;
  }
  int taken() const { return taken_; }

 private:
  std::deque<float> draws_;
  int taken_ = 0;
};

struct ShownBox {
  std::string text;
  std::string title;
  MsgBoxStyle style;
};

class RecordingMessageBox final : public MessageBox {
 public:
  // The answer for the next Yes/No box; OK-only boxes are answered OK.
  void AnswerNext(MsgBoxAnswer a) { answers_.push_back(a); }
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override {
    shown.push_back({std::string(text), std::string(title), style});
    if (style != MsgBoxStyle::kYesNo) {
      return MsgBoxAnswer::kOk;
    }
    const MsgBoxAnswer a = answers_.empty() ? MsgBoxAnswer::kNo : answers_.front();
    if (!answers_.empty()) {
      answers_.pop_front();
    }
    return a;
  }

  std::vector<ShownBox> shown;

 private:
  std::deque<MsgBoxAnswer> answers_;
};

}  // namespace quibbet::testing
