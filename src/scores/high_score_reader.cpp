// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader of the high-score file. The page's build compiles it without exceptions, which it
// never throws: there, every call of a function that could throw would go through JavaScript.

#include <array>
#include <nlohmann/json.hpp>
#include <utility>

#include "scores/high_score_file.h"
#include "scores/utf16_units.h"

namespace quibbet {

namespace {

using Json = nlohmann::json;

ParsedHighScores Refused(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

// Reads the file in one pass and keeps nothing but the five rows. Once the file says it is of
// this version's format, the first thing that cannot be in a table stops the reading; until
// then it reads on to the end, for a file of a newer format may hold anything.
class TableReader {
 public:
  using number_integer_t = Json::number_integer_t;
  using number_unsigned_t = Json::number_unsigned_t;
  using number_float_t = Json::number_float_t;
  using string_t = Json::string_t;
  using binary_t = Json::binary_t;

  bool null() { return Value(); }
  bool boolean(bool /*value*/) { return Value(); }
  bool number_integer(number_integer_t /*value*/) { return Value(); }
  bool number_unsigned(number_unsigned_t value) { return Value(value); }
  bool number_float(number_float_t /*value*/, const string_t& /*text*/) { return Value(); }
  bool string(string_t& value) { return Value(std::nullopt, &value); }
  bool binary(binary_t& /*value*/) { return Value(); }
  bool start_object(std::size_t /*size*/) { return Start(true); }
  bool end_object();
  bool start_array(std::size_t /*size*/) { return Start(false); }
  bool end_array();
  bool key(string_t& key);
  bool parse_error(std::size_t /*position*/, const std::string& /*token*/,
                   const nlohmann::detail::exception& /*error*/) {
    notJson_ = true;
    return false;
  }

  ParsedHighScores Result() const;

 private:
  // Where the reader is: the depth of the table's own containers it is in. Containers found
  // anywhere else are only counted until they close.
  enum Depth { kOutside, kFile, kTable, kRow };
  enum class Slot { kFormat, kTable, kName, kScore, kOther };

  bool Going() const { return problem_.empty() || format_ != 1; }
  bool Problem(std::string problem);
  bool RowProblem(const std::string& what) {
    return Problem("row " + std::to_string(rows_) + " " + what);
  }
  bool Start(bool object);
  bool Value(std::optional<std::uint64_t> number = std::nullopt, string_t* text = nullptr);
  bool FileValue(std::optional<std::uint64_t> number, bool array);
  bool RowValue(std::optional<std::uint64_t> number, string_t* text);
  bool Elsewhere() {
    ++elsewhere_;
    return Going();
  }

  Depth depth_ = kOutside;
  long elsewhere_ = 0;
  Slot slot_ = Slot::kOther;
  bool seenFormat_ = false;
  bool seenTable_ = false;
  bool seenName_ = false;
  bool seenScore_ = false;
  std::optional<std::uint64_t> format_;
  std::size_t rows_ = 0;  // rows started
  HighScoreRows table_;
  std::uint64_t lastScore_ = 0;
  std::string problem_;
  bool notJson_ = false;
  bool started_ = false;
};

bool TableReader::Problem(std::string problem) {
  if (problem_.empty()) {
    problem_ = std::move(problem);
  }
  return Going();
}

bool TableReader::Value(std::optional<std::uint64_t> number, string_t* text) {
  if (elsewhere_ > 0) {
    return Going();
  }
  switch (depth_) {
    case kOutside:
      started_ = true;
      return false;  // the top level is not an object
    case kFile:
      return FileValue(number, false);
    case kTable:
      ++rows_;
      return RowProblem("is not just a name and a score");
    case kRow:
      return RowValue(number, text);
  }
  return Going();
}

bool TableReader::FileValue(std::optional<std::uint64_t> number, bool array) {
  switch (slot_) {
    case Slot::kFormat:
      format_ = number;
      return number.value_or(0) >= 1 ? Going() : Problem("format is not 1");
    case Slot::kTable:
      if (array) {
        depth_ = kTable;
        return Going();
      }
      return Problem("the table is not five rows");
    default:
      return Going();
  }
}

bool TableReader::RowValue(std::optional<std::uint64_t> number, string_t* text) {
  if (slot_ == Slot::kName) {
    if (!text) {
      return RowProblem("is not just a name and a score");
    }
    if (Utf16Units(*text) > kMaxNameUtf16Units) {
      return RowProblem("'s name is longer than 32767 UTF-16 units");
    }
    table_[rows_ - 1].name = std::move(*text);
    return Going();
  }
  if (slot_ == Slot::kScore) {
    if (!number || *number > kMaxStoredScore) {
      return RowProblem("'s score is not a whole number from 0 to 2147483647");
    }
    if (rows_ > 1 && *number > lastScore_) {
      return Problem("the scores do not fall from the top row down");
    }
    lastScore_ = *number;
    table_[rows_ - 1].score = std::to_string(*number);
    return Going();
  }
  return Going();
}

bool TableReader::Start(bool object) {
  if (elsewhere_ > 0) {
    return Elsewhere();
  }
  switch (depth_) {
    case kOutside:
      started_ = true;
      depth_ = kFile;
      return object;  // a top level that is not an object stops the reading at once
    case kFile:
      if (slot_ == Slot::kTable && !object) {
        return FileValue(std::nullopt, true);
      }
      FileValue(std::nullopt, false);
      return Elsewhere();
    case kTable:
      ++rows_;
      if (!object) {
        RowProblem("is not just a name and a score");
        return Elsewhere();
      }
      if (rows_ > kTableRows) {
        Problem("the table is not five rows");
        return Elsewhere();
      }
      depth_ = kRow;
      seenName_ = false;
      seenScore_ = false;
      return Going();
    case kRow:
      RowProblem("is not just a name and a score");
      return Elsewhere();
  }
  return Going();
}

bool TableReader::end_object() {
  if (elsewhere_ > 0) {
    --elsewhere_;
    return Going();
  }
  if (depth_ == kRow) {
    depth_ = kTable;
    return seenName_ && seenScore_ ? Going() : RowProblem("is not just a name and a score");
  }
  depth_ = kOutside;
  return seenFormat_ && seenTable_ ? Going()
                                   : Problem("not an object of just \"format\" and \"table\"");
}

bool TableReader::end_array() {
  if (elsewhere_ > 0) {
    --elsewhere_;
    return Going();
  }
  depth_ = kFile;
  return rows_ == kTableRows ? Going() : Problem("the table is not five rows");
}

bool TableReader::key(string_t& key) {
  if (elsewhere_ > 0) {
    return Going();
  }
  struct Expected {
    std::string_view name;
    bool* seen;
    Slot slot;
  };
  const bool inFile = depth_ == kFile;
  const std::array<Expected, 2> expected =
      inFile ? std::array<Expected, 2>{{{"format", &seenFormat_, Slot::kFormat},
                                        {"table", &seenTable_, Slot::kTable}}}
             : std::array<Expected, 2>{
                   {{"name", &seenName_, Slot::kName}, {"score", &seenScore_, Slot::kScore}}};
  slot_ = Slot::kOther;
  for (const Expected& e : expected) {
    if (key == e.name) {
      if (std::exchange(*e.seen, true)) {
        return Problem("a key appears twice in one object");
      }
      slot_ = e.slot;
      return Going();
    }
  }
  return inFile ? Problem("not an object of just \"format\" and \"table\"")
                : RowProblem("is not just a name and a score");
}

ParsedHighScores TableReader::Result() const {
  if (started_ && depth_ == kOutside && !notJson_ && format_ > 1) {
    return {std::nullopt,
            "written by a newer version of the game (format " + std::to_string(*format_) + ")",
            true};
  }
  if (!problem_.empty()) {
    return Refused(problem_);
  }
  if (notJson_) {
    return Refused("not JSON");
  }
  if (depth_ != kOutside || !started_ || format_ != 1) {
    return Refused("not an object of just \"format\" and \"table\"");
  }
  return {table_, {}};
}

}  // namespace

ParsedHighScores ParseHighScoreFile(std::string_view bytes) {
  if (bytes.size() > kMaxHighScoreFileBytes) {
    return Refused("larger than 1 MiB");
  }
  TableReader reader;
  Json::sax_parse(bytes.begin(), bytes.end(), &reader);
  return reader.Result();
}

}  // namespace quibbet
