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

#include "record/escaped_text.h"
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
// About 44 hours of play, and under a second of the driver's time (a tick takes well under a
// microsecond): a script asks for more only in more lines, so a short one never runs for hours.
constexpr std::int64_t kMostTicks = 10'000'000;

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
  if (count > kMostTicks) {
    throw ScriptError("a tick count is at most " + std::to_string(kMostTicks) + ", not " +
                      Quoted(args[0]));
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

// The words whose last argument is the rest of the line, spaces included, with the escapes of
// record/escaped_text.h or as it stands.
struct TextCommand {
  std::string_view rest;  // everything after the word and its space, possibly empty
  bool escaped = false;
};

std::optional<TextCommand> TextCommandOf(std::string_view line, std::string_view word) {
  constexpr std::string_view kEscaped = "-escaped";
  if (!line.starts_with(word)) {
    return std::nullopt;
  }
  std::string_view rest = line.substr(word.size());
  const bool escaped = rest.starts_with(kEscaped);
  if (escaped) {
    rest.remove_prefix(kEscaped.size());
  }
  if (!rest.empty() && rest.front() != ' ') {
    return std::nullopt;
  }
  return TextCommand{rest.empty() ? rest : rest.substr(1), escaped};
}

// The text a text argument stands for; what is not UTF-8 is refused as `what`.
std::string TextOf(std::string_view written, bool escaped, std::string_view what) {
  std::string text(written);
  if (escaped) {
    const record::Unescaping unescaping = record::Unescape(written);
    if (!unescaping.text) {
      throw ScriptError(
          "an escape is \\\\, \\n, \\r, \\t or \\x with two hexadecimal digits, not " +
          Quoted(written.substr(unescaping.badEscape, 4)));
    }
    text = *unescaping.text;
  }
  if (!IsUtf8(text)) {
    throw ScriptError(std::string(what) + " is not UTF-8");
  }
  return text;
}

// "type" alone empties the box.
std::optional<Command> ParseType(std::string_view line) {
  const auto type = TextCommandOf(line, kTypeWord);
  if (!type) {
    return std::nullopt;
  }
  return TextInput{TextOf(type->rest, type->escaped, "the text to type")};
}

// The name is the rest of the line after the score, spaces included, and may be empty. The
// score stays text: the program judges it as it judges a stored table.
std::optional<Command> ParseRow(std::string_view line) {
  const auto row = TextCommandOf(line, kRowWord);
  if (!row) {
    return std::nullopt;
  }
  const std::string_view rest = row->rest;
  const std::size_t scoreStart = rest.find(' ');
  const std::size_t nameStart =
      scoreStart == std::string_view::npos ? scoreStart : rest.find(' ', scoreStart + 1);
  const std::string_view rowWord = rest.substr(0, scoreStart);
  const std::string_view score = scoreStart == std::string_view::npos
                                     ? ""
                                     : rest.substr(scoreStart + 1, nameStart - scoreStart - 1);
  if (rowWord.empty() || score.empty()) {
    throw ScriptError(std::string(line.substr(0, line.find(' '))) +
                      " takes a row number, a score and a name");
  }
  const int number = ParseNumberWord<int>(rowWord);
  if (number < 1 || number > kTableRows) {
    throw ScriptError("a row is 1 to 5, not " + Quoted(rowWord));
  }
  const std::string_view name =
      nameStart == std::string_view::npos ? "" : rest.substr(nameStart + 1);
  return Row{number - 1, std::string(score), TextOf(name, row->escaped, "the name of a row")};
}

bool IsBlankOrComment(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

std::optional<Command> ParseLine(std::string_view line, long number) {
  // Editors on Windows start a UTF-8 file with a byte-order mark, and end its lines in CR LF.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (number == 1 && line.starts_with(kByteOrderMark)) {
    line.remove_prefix(kByteOrderMark.size());
  }
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
