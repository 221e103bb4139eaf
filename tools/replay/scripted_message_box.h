// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/message_box.h"
#include "record/shown_message.h"

// The message box of a replay: boxes with only OK are answered OK, a Yes/No box takes the next
// scripted answer, and every box shown is kept for the next dump.

namespace quibbet::replay {

using record::ShownMessage;

class ScriptedMessageBox final : public MessageBox {
 public:
  void QueueAnswer(MsgBoxAnswer answer) { answers_.push_back(answer); }
  // Throws ScriptError for a Yes/No box when no answer is queued.
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override;
  // The boxes shown since the last call.
  std::vector<ShownMessage> TakeShown();

 private:
  MsgBoxAnswer AnswerTo(std::string_view text, MsgBoxStyle style);

  std::deque<MsgBoxAnswer> answers_;
  std::vector<ShownMessage> shown_;
};

}  // namespace quibbet::replay
