// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// check-dumps ACTUAL PATTERNS: each line of PATTERNS is a JSON pattern for the dump on the same
// line of ACTUAL. An object pattern names only the keys it checks; arrays must match in length
// and element by element; anything else must be equal. Exits 1 with the first mismatch.

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

bool Matches(const json& actual, const json& pattern) {
  if (pattern.is_object()) {
    if (!actual.is_object()) {
      return false;
    }
    for (const auto& [key, value] : pattern.items()) {
      if (!actual.contains(key) || !Matches(actual[key], value)) {
        return false;
      }
    }
    return true;
  }
  if (pattern.is_array()) {
    if (!actual.is_array() || actual.size() != pattern.size()) {
      return false;
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      if (!Matches(actual[i], pattern[i])) {
        return false;
      }
    }
    return true;
  }
  return actual == pattern;
}

std::vector<json> ReadLines(const char* path) {
  std::ifstream file(path);
  std::vector<json> lines;
  for (std::string line; std::getline(file, line);) {
    lines.push_back(json::parse(line));
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: check-dumps ACTUAL PATTERNS\n";
    return 2;
  }
  const std::vector<json> actual = ReadLines(argv[1]);
  const std::vector<json> patterns = ReadLines(argv[2]);
  if (actual.size() != patterns.size()) {
    std::cerr << actual.size() << " dumps, expected " << patterns.size() << "\n";
    return 1;
  }
  for (std::size_t i = 0; i < patterns.size(); ++i) {
    if (!Matches(actual[i], patterns[i])) {
      std::cerr << "dump " << i + 1 << " does not match\n  got:      " << actual[i].dump()
                << "\n  expected: " << patterns[i].dump() << "\n";
      return 1;
    }
  }
  return 0;
}
