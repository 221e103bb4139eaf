// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "common/game_event.h"
#include "common/message_box.h"
#include "common/random_source.h"
#include "record/line_sink.h"
#include "record/shown_message.h"
#include "scores/high_score_store.h"
#include "shell/input.h"
#include "shell/shell.h"

// Puts a session of the real program on record as a replay script that reproduces it exactly:
// every input the shell took, the ticks between them, every draw of the random source as a
// queued draw before the command that uses it and every Yes/No answer as a queued answer. At the
// end of every round and of the program it writes a dump into the script and the state that
// dump prints into the states stream, so that replaying the script prints exactly those lines.
//
// Every line reaches its sink as soon as the command it records is known, ticks at least once a
// second of play, so a killed game leaves a script that replays up to where it stopped. A sink
// that fails stops the recording with one line on err, and the game plays on.

namespace quibbet::record {

class Recorder final : public InputLog, public EventListener {
 public:
  // The recorder's random source, message box and high-score store pass everything through to
  // these.
  Recorder(RandomSource& random, MessageBox& box, LineSink& script, LineSink& states,
           std::ostream& err, HighScoreStore& store = KeptInMemory());
  ~Recorder() override;
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // What the shell must be given in place of the program's own, so that draws and answers are
  // heard.
  RandomSource& random() { return random_; }
  MessageBox& box() { return box_; }
  HighScoreStore& store() { return store_; }

  // Starts recording the shell, from the high-score table its game window loads with. Call
  // before the shell starts.
  void Attach(Shell& shell);
  // Writes the ticks still pending.
  void Finish();
  bool recording() const { return recording_; }

  void Took(const Input& input) override;
  void On(const GameEvent& event) override;

 private:
  class Draws final : public RandomSource {
   public:
    Draws(RandomSource& source, std::vector<float>& heard) : source_(source), heard_(heard) {}
    float Next() override;

   private:
    RandomSource& source_;
    std::vector<float>& heard_;
  };
  class Answers final : public MessageBox {
   public:
    Answers(MessageBox& box, Recorder& recorder) : box_(box), recorder_(recorder) {}
    MsgBoxAnswer Show(std::string_view text, std::string_view title, MsgBoxStyle style) override;

   private:
    MessageBox& box_;
    Recorder& recorder_;
  };

  // Hears the tables the store reads, which another copy of the game may have changed: one that
  // differs from the table the script holds goes into the script as row lines.
  class Tables final : public HighScoreStore {
   public:
    Tables(HighScoreStore& store, Recorder& recorder) : store_(store), recorder_(recorder) {}
    HighScoreRows Load() override;
    HighScoreRows Submit(const HighScoreRows& shown, const Submission& submit) override;
    HighScoreRows Current(const HighScoreRows& shown) override;

   private:
    HighScoreStore& store_;
    Recorder& recorder_;
  };

  struct QueuedRow {
    int row;  // 0 is the top row
    HighScoreRow entry;
  };

  void QueueRows(const HighScoreRows& rows);
  void WriteQueued();
  void WriteTicks();
  void WriteInput(const Input& input);
  void WriteDump();
  void Flush();
  void Stop(const std::string& reason);

  std::vector<float> draws_;           // heard since the last line was written
  std::vector<float> tickDraws_;       // made by the ticks not yet written
  std::vector<MsgBoxAnswer> answers_;  // Yes/No answers since the last line was written
  std::vector<QueuedRow> rows_;        // table rows read since the last line was written
  HighScoreRows scriptRows_;           // the table as the script has it
  std::vector<ShownMessage> shown_;    // every box since the last dump
  std::string lines_;                  // script lines not yet handed to the sink
  std::int64_t ticks_ = 0;
  bool dumpDue_ = false;
  bool recording_ = true;
  Draws random_;
  Answers box_;
  Tables store_;
  const Shell* shell_ = nullptr;
  LineSink& script_;
  LineSink& states_;
  std::ostream& err_;
};

}  // namespace quibbet::record
