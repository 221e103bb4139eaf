// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/high_score_file.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "common/number_text.h"
#include "scores/utf16_units.h"

namespace quibbet {

namespace {

using Json = nlohmann::json;

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
