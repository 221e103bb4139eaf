// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/recorder.h"

#include <chrono>
#include <string>
#include <string_view>
#include <utility>

#include "common/decimal_conversion.h"
#include "game/pace.h"
#include "record/escaped_text.h"
#include "record/state_json.h"
#include "scores/high_score_rows.h"
#include "shell/window_names.h"

namespace quibbet::record {

namespace {

// A command that ends in a text, which may hold anything a player can type or a table can store:
// with the escapes when a line break would end the line early or a control character would
// reach the terminal of whoever reads the script.
std::string EndingInText(std::string_view word, const std::string& arguments,
                         std::string_view text) {
  if (NeedsEscapes(text)) {
    return std::string(word) + "-escaped " + arguments + Escaped(text);
  }
  return std::string(word) + ' ' + arguments + std::string(text);
}

struct InputLine {
  std::string& out;
  void operator()(const ClickInput& in) { out += "click " + std::string(NameOf(in.control)); }
  void operator()(const CloseInput& in) { out += "close " + std::string(NameOf(in.window)); }
  void operator()(const PointerInput& in) {
    out += "move " + ShortestText(in.x) + ' ' + ShortestText(in.y);
  }
  void operator()(const KeyInput& in) { out += "key " + std::to_string(in.code); }
  void operator()(const TextInput& in) { out += EndingInText("type", "", in.text); }
  void operator()(const TickInput& in) { out += "tick " + std::to_string(in.count); }
};

// A killed game loses at most this many ticks, a second of play, with no line between them.
constexpr std::int64_t kTicksPerLine = std::chrono::seconds(1) / kTickStep;

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

Recorder::Recorder(RandomSource& random, MessageBox& box, LineSink& script, LineSink& states,
                   std::ostream& err, HighScoreStore& store)
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
    rows_.push_back({row, entry});
  }
  Flush();
}

void Recorder::Finish() {
  if (recording_) {
    WriteTicks();
    Flush();
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
    if (ticks_ >= kTicksPerLine) {
      WriteTicks();
    }
  } else {
    WriteTicks();
    WriteInput(input);
  }
  if (dumpDue_) {
    WriteTicks();
    WriteDump();
  }
  Flush();
}

void Recorder::QueueRows(const HighScoreRows& rows) {
  for (int row = 0; row < kTableRows; ++row) {
    const HighScoreRow& entry = rows[static_cast<std::size_t>(row)];
    if (entry != scriptRows_[static_cast<std::size_t>(row)]) {
      rows_.push_back({row, entry});
    }
  }
  scriptRows_ = rows;
}

// The table rows, draws and answers the next command uses, queued just before it.
void Recorder::WriteQueued() {
  for (const auto& [row, entry] : std::exchange(rows_, {})) {
    lines_ +=
        EndingInText("row", std::to_string(row + 1) + ' ' + entry.score + ' ', entry.name) + '\n';
  }
  if (!draws_.empty()) {
    lines_ += "rand";
    for (float r : draws_) {
      lines_ += ' ' + ShortestText(r);
    }
    lines_ += '\n';
    draws_.clear();
  }
  for (MsgBoxAnswer answer : answers_) {
    lines_ += "answer " + std::to_string(static_cast<int>(answer)) + '\n';
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
  std::visit(InputLine{lines_}, input);
  lines_ += '\n';
}

// The script's dump goes first: a game killed between the two writes leaves a script that prints
// one line more than the states file holds, never one less.
void Recorder::WriteDump() {
  dumpDue_ = false;
  lines_ += "dump\n";
  Flush();
  if (recording_ && !states_.Write(StateToJson(*shell_, std::exchange(shown_, {})).dump() + '\n')) {
    Stop(states_.Failure());
  }
}

void Recorder::Flush() {
  if (recording_ && !lines_.empty() && !script_.Write(lines_)) {
    Stop(script_.Failure());
  }
  lines_.clear();
}

void Recorder::Stop(const std::string& reason) {
  if (!recording_) {
    return;
  }
  err_ << "quibbet: recording stopped: " << reason << '\n';
  recording_ = false;
}

}  // namespace quibbet::record
