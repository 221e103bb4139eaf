// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "replay/command_parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <vector>

#include "replay/number_word.h"
#include "replay/script_error.h"
#include "scores/high_score_table.h"
#include "shell/window_names.h"

namespace quibbet::replay {

namespace {

using Arguments = std::span<const std::string_view>;

constexpr std::string_view kTypeWord = "type";
constexpr std::string_view kRowWord = "row";
constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();
constexpr std::int64_t kSeedLimit = std::int64_t{1} << 31;

Command ParseClick(Arguments args) {
  const auto control = ControlNamed(args[0]);
  if (!control) {
    throw ScriptError("unknown button " + Quoted(args[0]));
  }
  return ClickInput{*control};
}

Command ParseClose(Arguments args) {
  const auto window = WindowNamed(args[0]);
  if (!window) {
    throw ScriptError("unknown window " + Quoted(args[0]));
  }
  return CloseInput{*window};
}

Command ParseAnswer(Arguments args) {
  switch (ParseNumberWord<int>(args[0])) {
    case static_cast<int>(MsgBoxAnswer::kYes):
      return Answer{MsgBoxAnswer::kYes};
    case static_cast<int>(MsgBoxAnswer::kNo):
      return Answer{MsgBoxAnswer::kNo};
    default:
      throw ScriptError("an answer is 6 (Yes) or 7 (No), not " + Quoted(args[0]));
  }
}

Command ParseTick(Arguments args) {
  const std::int64_t count = args.empty() ? 1 : ParseNumberWord<std::int64_t>(args[0]);
  if (count < 1) {
    throw ScriptError("a tick count is at least 1, not " + Quoted(args[0]));
  }
  return TickInput{count};
}

Command ParseMove(Arguments args) {
  return PointerInput{ParseNumberWord<float>(args[0]), ParseNumberWord<float>(args[1])};
}

Command ParseKey(Arguments args) {
  return KeyInput{ParseNumberWord<std::int16_t>(args[0])};
}

// A draw is checked after its conversion to single precision: 0.99999999 rounds to 1.
Command ParseRand(Arguments args) {
  Rand rand;
  for (std::string_view word : args) {
    const float r = ParseNumberWord<float>(word);
    if (!(r >= 0.0f && r < 1.0f)) {
      throw ScriptError("a draw lies in 0 <= r < 1, not " + Quoted(word));
    }
    rand.draws.push_back(r);
  }
  return rand;
}

Command ParseRng(Arguments args) {
  if (args[0] != "lcg") {
    throw ScriptError("unknown generator " + Quoted(args[0]));
  }
  const std::int64_t seed = ParseNumberWord<std::int64_t>(args[1]);
  if (seed < 0 || seed >= kSeedLimit) {
    throw ScriptError("a seed lies in 0 <= S < 2^31, not " + Quoted(args[1]));
  }
  return UseLcg{static_cast<std::uint32_t>(seed)};
}

Command ParseDump(Arguments /*args*/) {
  return Dump{};
}

struct Syntax {
  std::string_view word;
  std::size_t fewestArguments;
  std::size_t mostArguments;
  Command (*parse)(Arguments);
};

constexpr std::array<Syntax, 9> kSyntax = {{
    {"click", 1, 1, ParseClick},
    {"close", 1, 1, ParseClose},
    {"answer", 1, 1, ParseAnswer},
    {"tick", 0, 1, ParseTick},
    {"move", 2, 2, ParseMove},
    {"key", 1, 1, ParseKey},
    {"rand", 1, kAnyNumber, ParseRand},
    {"rng", 2, 2, ParseRng},
    {"dump", 0, 0, ParseDump},
}};

std::string ArgumentsText(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

std::string ArgumentCountOf(const Syntax& syntax) {
  if (syntax.mostArguments == kAnyNumber) {
    return "at least " + ArgumentsText(syntax.fewestArguments);
  }
  if (syntax.fewestArguments == syntax.mostArguments) {
    return ArgumentsText(syntax.fewestArguments);
  }
  return std::to_string(syntax.fewestArguments) + " or " + std::to_string(syntax.mostArguments) +
         " arguments";
}

void CheckArgumentCount(const Syntax& syntax, std::size_t count) {
  if (count < syntax.fewestArguments || count > syntax.mostArguments) {
    throw ScriptError(std::string(syntax.word) + " takes " + ArgumentCountOf(syntax) + ", not " +
                      std::to_string(count));
  }
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0;;) {
    const std::size_t end = line.find(' ', start);
    const std::string_view word = line.substr(start, end - start);
    if (word.empty()) {
      throw ScriptError("words are separated by single spaces");
    }
    words.push_back(word);
    if (end == std::string_view::npos) {
      return words;
    }
    start = end + 1;
  }
}

Command ParseWords(std::string_view line) {
  const auto words = SplitWords(line);
  const auto* syntax = std::find_if(kSyntax.begin(), kSyntax.end(),
                                    [&](const Syntax& s) { return s.word == words.front(); });
  if (syntax == kSyntax.end()) {
    throw ScriptError("unknown command " + Quoted(words.front()));
  }
  const Arguments args = Arguments(words).subspan(1);
  CheckArgumentCount(*syntax, args.size());
  return syntax->parse(args);
}

// The dumps must be valid JSON, and JSON text is UTF-8; the JSON writer is the judge.
bool IsUtf8(const std::string& text) {
  try {
    static_cast<void>(nlohmann::json(text).dump());
    return true;
  } catch (const nlohmann::json::type_error&) {
    return false;
  }
}

// The text is the rest of the line as it stands, spaces included; "type" alone empties the box.
std::optional<Command> ParseType(std::string_view line) {
  if (!line.starts_with(kTypeWord)) {
    return std::nullopt;
  }
  const std::string_view rest = line.substr(kTypeWord.size());
  if (!rest.empty() && rest.front() != ' ') {
    return std::nullopt;
  }
  std::string text(rest.empty() ? rest : rest.substr(1));
  if (!IsUtf8(text)) {
    throw ScriptError("the text to type is not UTF-8");
  }
  return TextInput{std::move(text)};
}

// The name is the rest of the line after the score, spaces included, and may be empty. The
// score stays text: the program judges it as it judges a stored table.
std::optional<Command> ParseRow(std::string_view line) {
  if (!line.starts_with(kRowWord) ||
      (line.size() > kRowWord.size() && line[kRowWord.size()] != ' ')) {
    return std::nullopt;
  }
  const std::string_view rest = line.substr(std::min(line.size(), kRowWord.size() + 1));
  const std::size_t scoreStart = rest.find(' ');
  const std::size_t nameStart =
      scoreStart == std::string_view::npos ? scoreStart : rest.find(' ', scoreStart + 1);
  const std::string_view rowWord = rest.substr(0, scoreStart);
  const std::string_view score = scoreStart == std::string_view::npos
                                     ? ""
                                     : rest.substr(scoreStart + 1, nameStart - scoreStart - 1);
  if (rowWord.empty() || score.empty()) {
    throw ScriptError("row takes a row number, a score and a name");
  }
  const int row = ParseNumberWord<int>(rowWord);
  if (row < 1 || row > kTableRows) {
    throw ScriptError("a row is 1 to 5, not " + Quoted(rowWord));
  }
  std::string name(nameStart == std::string_view::npos ? "" : rest.substr(nameStart + 1));
  if (!IsUtf8(name)) {
    throw ScriptError("the name of a row is not UTF-8");
  }
  return Row{row - 1, std::string(score), std::move(name)};
}

bool IsBlankOrComment(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

std::optional<Command> ParseLine(std::string_view line) {
  // Scripts written on Windows end their lines in CR LF.
  if (line.ends_with('\r')) {
    line.remove_suffix(1);
  }
  if (IsBlankOrComment(line)) {
    return std::nullopt;
  }
  if (auto type = ParseType(line)) {
    return type;
  }
  if (auto row = ParseRow(line)) {
    return row;
  }
  return ParseWords(line);
}

}  // namespace quibbet::replay
