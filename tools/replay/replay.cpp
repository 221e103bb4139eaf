// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/replay.h"

#include <memory>
#include <string>

#include "record/state_json.h"
#include "replay/script_error.h"
#include "shell/window_names.h"

namespace quibbet::replay {

namespace {

// The window an input needs on screen, and the control it needs shown.
struct Target {
  Window window = Window::kForm1;
  std::string_view control;
};

Target TargetOf(const Input& input) {
  if (const auto* click = std::get_if<ClickInput>(&input)) {
    return {WindowOf(click->control), NameOf(click->control)};
  }
  if (const auto* close = std::get_if<CloseInput>(&input)) {
    return {close->window, ""};
  }
  return {Window::kForm1, "txtname"};
}

std::string Refusal(const Input& input, InputResult result) {
  const Target target = TargetOf(input);
  switch (result) {
    case InputResult::kDone:
      break;
    case InputResult::kProgramEnded:
      return "the program has ended";
    case InputResult::kWindowNotVisible:
      return std::string(NameOf(target.window)) + " is not visible";
    case InputResult::kControlNotShown:
      return std::string(target.control) + " is not shown";
  }
  return "";
}

}  // namespace

Replay::Replay(std::ostream& out, HighScoreStore& store, ScriptedMessageBox& box)
    : box_(box), table_(store), shell_(random_, box_, table_), out_(out) {
  shell_.Start();
}

void Replay::Execute(const Command& command) {
  if (shell_.Ended() && !std::holds_alternative<Dump>(command)) {
    throw ScriptError("the program has ended");
  }
  std::visit([this](const auto& c) { Execute(c); }, command);
}

template <typename In>
void Replay::Execute(const In& input) {
  const InputResult result = shell_.Take(input);
  if (result != InputResult::kDone) {
    throw ScriptError(Refusal(input, result));
  }
}

void Replay::Execute(const Answer& answer) {
  box_.QueueAnswer(answer.answer);
}

void Replay::Execute(const Rand& rand) {
  for (float r : rand.draws) {
    random_.Queue(r);
  }
}

void Replay::Execute(const UseLcg& lcg) {
  random_.ReplaceGenerator(std::make_unique<LcgRandom>(lcg.seed));
}

// A loaded game window shows the row at once; every later load starts from it.
void Replay::Execute(const Row& row) {
  if (!ScriptedTable::IsStoredScore(row.score)) {
    throw ScriptError("a score is plain digits from 0 to 2147483647, not " + Quoted(row.score));
  }
  table_.Set(row.row, {row.name, row.score});
  if (Form1* game = shell_.form1()) {
    game->table.lbluserscore[row.row].caption = row.score;
    game->table.lblhighname[row.row].caption = row.name;
  }
}

void Replay::Execute(const Dump& /*dump*/) {
  out_ << record::StateToJson(shell_, box_.TakeShown()).dump() << '\n';
}

}  // namespace quibbet::replay
