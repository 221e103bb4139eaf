// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/recorder.h"

#include "common/decimal_conversion.h"
#include "replay/state_json.h"
#include "scores/high_score_rows.h"
#include "shell/window_names.h"

namespace quibbet::replay {

namespace {

struct InputLine {
  std::ostream& out;
  void operator()(const ClickInput& in) { out << "click " << NameOf(in.control); }
  void operator()(const CloseInput& in) { out << "close " << NameOf(in.window); }
  void operator()(const PointerInput& in) {
    out << "move " << ShortestText(in.x) << ' ' << ShortestText(in.y);
  }
  void operator()(const KeyInput& in) { out << "key " << in.code; }
  void operator()(const TextInput& in) { out << "type " << in.text; }
  void operator()(const TickInput& in) { out << "tick " << in.count; }
  void operator()(const RowInput& in) {
    out << "row " << in.row + 1 << ' ' << in.score << ' ' << in.name;
  }
};

// A script line ends at a line break, so a name holding one cannot be written as it stands.
bool FitsOnALine(const Input& input) {
  const std::string* name = nullptr;
  if (const auto* text = std::get_if<TextInput>(&input)) {
    name = &text->text;
  } else if (const auto* row = std::get_if<RowInput>(&input)) {
    name = &row->name;
  }
  return name == nullptr || name->find_first_of("\r\n") == std::string::npos;
}

}  // namespace

float Recorder::Draws::Next() {
  const float r = source_.Next();
  heard_.push_back(r);
  return r;
}

MsgBoxAnswer Recorder::Answers::Show(std::string_view text, std::string_view title,
                                     MsgBoxStyle style) {
  const MsgBoxAnswer answer = box_.Show(text, title, style);
  if (style == MsgBoxStyle::kYesNo) {
    recorder_.answers_.push_back(answer);
  }
  recorder_.shown_.push_back({std::string(text), std::string(title), style, answer});
  return answer;
}

HighScoreRows Recorder::Tables::Load() {
  const HighScoreRows rows = store_.Load();
  recorder_.QueueRows(rows);
  return rows;
}

HighScoreRows Recorder::Tables::Submit(const HighScoreRows& shown, const Submission& submit) {
  const HighScoreRows rows = store_.Submit(shown, [&](HighScoreRows& held) {
    recorder_.QueueRows(held);
    submit(held);
  });
  recorder_.scriptRows_ = rows;
  return rows;
}

HighScoreRows Recorder::Tables::Current(const HighScoreRows& shown) {
  const HighScoreRows rows = store_.Current(shown);
  recorder_.QueueRows(rows);
  return rows;
}

Recorder::Recorder(RandomSource& random, MessageBox& box, std::ostream& script,
                   std::ostream& states, std::ostream& err, HighScoreStore& store)
    : scriptRows_(DefaultHighScoreRows()),
      random_(random, draws_),
      box_(box, *this),
      store_(store, *this),
      script_(script),
      states_(states),
      err_(err) {}

Recorder::~Recorder() {
  Finish();
}

void Recorder::Attach(Shell& shell) {
  shell_ = &shell;
  shell.Listen(*this);
  shell.SetInputLog(this);
  for (int row = 0; row < kTableRows; ++row) {
    const HighScoreRow& entry = scriptRows_[static_cast<std::size_t>(row)];
    WriteInput(RowInput{row, entry.score, entry.name});
  }
  Check();
}

void Recorder::Finish() {
  if (recording_) {
    WriteTicks();
    Check();
  }
}

void Recorder::On(const GameEvent& event) {
  if (event.kind == EventKind::kRoundLost || event.kind == EventKind::kProgramEnded) {
    dumpDue_ = true;
  }
}

void Recorder::Took(const Input& input) {
  if (!recording_) {
    return;
  }
  if (const auto* ticks = std::get_if<TickInput>(&input)) {
    ticks_ += ticks->count;
    tickDraws_.insert(tickDraws_.end(), draws_.begin(), draws_.end());
    draws_.clear();
  } else {
    WriteTicks();
    if (!FitsOnALine(input)) {
      StopOnLineBreak();
      return;
    }
    WriteInput(input);
  }
  if (dumpDue_) {
    WriteTicks();
    WriteDump();
  }
}

void Recorder::QueueRows(const HighScoreRows& rows) {
  for (int row = 0; row < kTableRows; ++row) {
    const HighScoreRow& entry = rows[static_cast<std::size_t>(row)];
    if (!FitsOnALine(RowInput{row, entry.score, entry.name})) {
      StopOnLineBreak();
      return;
    }
    if (entry != scriptRows_[static_cast<std::size_t>(row)]) {
      rows_.push_back(RowInput{row, entry.score, entry.name});
    }
  }
  scriptRows_ = rows;
}

// The table rows, draws and answers the next command uses, queued just before it.
void Recorder::WriteQueued() {
  for (const RowInput& row : std::exchange(rows_, {})) {
    std::visit(InputLine{script_}, Input{row});
    script_ << '\n';
  }
  if (!draws_.empty()) {
    script_ << "rand";
    for (float r : draws_) {
      script_ << ' ' << ShortestText(r);
    }
    script_ << '\n';
    draws_.clear();
  }
  for (MsgBoxAnswer answer : answers_) {
    script_ << "answer " << static_cast<int>(answer) << '\n';
  }
  answers_.clear();
}

// Ticks in a row make one command; their draws are taken in the same order however the ticks
// were grouped.
void Recorder::WriteTicks() {
  if (ticks_ == 0) {
    return;
  }
  std::swap(draws_, tickDraws_);
  WriteInput(TickInput{ticks_});
  std::swap(draws_, tickDraws_);
  ticks_ = 0;
}

void Recorder::WriteInput(const Input& input) {
  WriteQueued();
  std::visit(InputLine{script_}, input);
  script_ << '\n';
}

void Recorder::WriteDump() {
  dumpDue_ = false;
  script_ << "dump\n";
  states_ << StateToJson(*shell_, std::exchange(shown_, {})).dump() << '\n';
  script_.flush();
  states_.flush();
  Check();
}

void Recorder::StopOnLineBreak() {
  err_ << "quibbet: recording stopped: a name holds a line break\n";
  recording_ = false;
}

void Recorder::Check() {
  if (recording_ && (script_.fail() || states_.fail())) {
    err_ << "quibbet: recording stopped: could not write the recording\n";
    recording_ = false;
  }
}

}  // namespace quibbet::replay
