// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/scripted_message_box.h"

#include <utility>

#include "replay/script_error.h"

namespace quibbet::replay {

MsgBoxAnswer ScriptedMessageBox::Show(std::string_view text, std::string_view title,
                                      MsgBoxStyle style) {
  const MsgBoxAnswer answer = AnswerTo(text, style);
  shown_.push_back({std::string(text), std::string(title), style, answer});
  return answer;
}

MsgBoxAnswer ScriptedMessageBox::AnswerTo(std::string_view text, MsgBoxStyle style) {
  if (style != MsgBoxStyle::kYesNo) {
    return MsgBoxAnswer::kOk;
  }
  if (answers_.empty()) {
    throw ScriptError("no answer queued for the Yes/No box \"" + std::string(text) + "\"");
  }
  const MsgBoxAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<ShownMessage> ScriptedMessageBox::TakeShown() {
  return std::exchange(shown_, {});
}

}  // namespace quibbet::replay
