#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "common/message_box.h"

// A message box that records what the program asked and answers as the test scripted, so no
// test ever waits for a click.

namespace quibbet::testing {

struct ShownBox {
  std::string text;
  std::string title;
  MsgBoxStyle style;
};

class ScriptedMessageBox final : public MessageBox {
 public:
  // The answer to the next Yes/No box; other boxes are answered OK.
  void AnswerNext(MsgBoxAnswer answer) { answers_.push_back(answer); }
  MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override {
    shown.push_back({std::string(text), std::string(title), style});
    if (style != MsgBoxStyle::kYesNo) {
      return MsgBoxAnswer::kOk;
    }
    if (answers_.empty()) {
      return MsgBoxAnswer::kNo;  // a question nobody scripted is declined
    }
    const MsgBoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  std::vector<ShownBox> shown;

 private:
  std::deque<MsgBoxAnswer> answers_;
};

}  // namespace quibbet::testing
