// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/high_score_file.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <vector>

#include "common/number_text.h"

namespace quibbet {

namespace {

using Json = nlohmann::json;

ParsedHighScores Refused(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

// The UTF-16 units of the character that a byte of valid UTF-8 starts: a four-byte character is
// a surrogate pair, any other one unit; a continuation byte starts none.
std::size_t Utf16UnitsStartedBy(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  if ((b & 0xC0) == 0x80) {
    return 0;
  }
  return b >= 0xF0 ? 2 : 1;
}

std::size_t Utf16Units(std::string_view utf8) {
  std::size_t units = 0;
  for (char c : utf8) {
    units += Utf16UnitsStartedBy(c);
  }
  return units;
}

// The parser would keep the last of two equal keys in an object, so the callback notes them.
Json ParseNotingDuplicateKeys(std::string_view bytes, bool& duplicateKey) {
  std::vector<std::set<std::string>> openObjects;
  auto note = [&](int /*depth*/, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) {
      openObjects.emplace_back();
    } else if (event == Json::parse_event_t::object_end) {
      openObjects.pop_back();
    } else if (event == Json::parse_event_t::key &&
               !openObjects.back().insert(parsed.get<std::string>()).second) {
      duplicateKey = true;
    }
    return true;
  };
  return Json::parse(bytes, note, /*allow_exceptions=*/false);
}

bool HasExactly(const Json& object, std::initializer_list<const char*> keys) {
  if (!object.is_object() || object.size() != keys.size()) {
    return false;
  }
  for (const char* key : keys) {
    if (!object.contains(key)) {
      return false;
    }
  }
  return true;
}

std::string RowProblem(const Json& row, std::size_t index) {
  const std::string which = "row " + std::to_string(index + 1);
  if (!HasExactly(row, {"name", "score"}) || !row["name"].is_string()) {
    return which + " is not just a name and a score";
  }
  const Json& score = row["score"];
  if (!score.is_number_unsigned() || score.get<std::uint64_t>() > kMaxStoredScore) {
    return which + "'s score is not a whole number from 0 to 2147483647";
  }
  if (Utf16Units(row["name"].get_ref<const std::string&>()) > kMaxNameUtf16Units) {
    return which + "'s name is longer than 32767 UTF-16 units";
  }
  return {};
}

std::string TableProblem(const Json& file) {
  if (!HasExactly(file, {"format", "table"})) {
    return "not an object of just \"format\" and \"table\"";
  }
  if (!file["format"].is_number_unsigned() || file["format"].get<std::uint64_t>() != 1) {
    return "format is not 1";
  }
  const Json& table = file["table"];
  if (!table.is_array() || table.size() != kTableRows) {
    return "the table is not five rows";
  }
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (std::string problem = RowProblem(table[i], i); !problem.empty()) {
      return problem;
    }
    if (i > 0 && table[i]["score"] > table[i - 1]["score"]) {
      return "the scores do not fall from the top row down";
    }
  }
  return {};
}

// Valid UTF-8, cut at a whole character so that it fits the name box.
std::string StorableName(const std::string& name) {
  const std::string dumped = Json(name).dump(-1, ' ', false, Json::error_handler_t::replace);
  std::string valid = Json::parse(dumped).get<std::string>();
  std::size_t units = 0;
  for (std::size_t i = 0; i < valid.size(); ++i) {
    units += Utf16UnitsStartedBy(valid[i]);
    if (units > kMaxNameUtf16Units) {
      valid.resize(i);
      break;
    }
  }
  return valid;
}

// The table's score texts are whole numbers the game wrote, in range by far.
long long StorableScore(const std::string& score) {
  const auto number = StrictNumber(score);
  if (!number || *number < 0 || *number > kMaxStoredScore || std::floor(*number) != *number) {
    throw std::logic_error("high-score table holds a score that cannot be stored");
  }
  return static_cast<long long>(*number);
}

}  // namespace

ParsedHighScores ParseHighScoreFile(std::string_view bytes) {
  if (bytes.size() > kMaxHighScoreFileBytes) {
    return Refused("larger than 1 MiB");
  }
  bool duplicateKey = false;
  const Json file = ParseNotingDuplicateKeys(bytes, duplicateKey);
  if (file.is_discarded()) {
    return Refused("not JSON");
  }
  if (duplicateKey) {
    return Refused("a key appears twice in one object");
  }
  if (std::string problem = TableProblem(file); !problem.empty()) {
    return Refused(std::move(problem));
  }
  HighScoreRows rows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Json& row = file["table"][i];
    rows[i] = {row["name"].get<std::string>(), std::to_string(row["score"].get<std::uint64_t>())};
  }
  return {rows, {}};
}

std::string HighScoreFileText(const HighScoreRows& rows) {
  std::string text = "{\"format\": 1, \"table\": [\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Json name(StorableName(rows[i].name));
    text += "  {\"name\": " + name.dump() +
            ", \"score\": " + std::to_string(StorableScore(rows[i].score)) + "}";
    text += i + 1 < rows.size() ? ",\n" : "\n";
  }
  text += "]}\n";
  return text;
}

}  // namespace quibbet
