// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: any bytes, run as a replay script in-process. A script either runs to its
// end with nothing on the error stream, or stops with the driver's one-line "line N: reason" and
// status 2. Anything else is a fault: a crash, a sanitizer report, an exception escaping Run,
// another status, or a stray or missing error line.

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

#include "replay/command_parser.h"
#include "replay/run.h"
#include "replay/script_error.h"

namespace {

using quibbet::TickInput;
using quibbet::replay::ParseLine;
using quibbet::replay::ScriptError;

// "tick N" takes up to ten million ticks a line, and a round runs for ever while the square hides
// from the blocks, so an input that asks for more ticks than this is skipped rather than run. The
// budget still lets a script play past the 16-bit tick counter (32,767), and the longest run
// takes about 50 ms under the sanitizers.
constexpr std::int64_t kTickBudget = 40'000;

constexpr int kScriptFailed = 2;

// What a first pass over the script with the driver's own parser finds out, up to the first
// malformed line: Run never gets past that line either.
struct Survey {
  std::int64_t ticks = 0;  // Stops counting once past the budget.
  long lastLine = 0;       // The last line Run can reach.
  bool malformed = false;
};

Survey SurveyScript(const std::string& script) {
  Survey survey;
  std::istringstream lines(script);
  for (std::string line; survey.ticks <= kTickBudget && std::getline(lines, line);) {
    ++survey.lastLine;
    try {
      const auto command = ParseLine(line, survey.lastLine);
      if (const auto* tick = command ? std::get_if<TickInput>(&*command) : nullptr) {
        survey.ticks += std::min(tick->count, kTickBudget + 1);
      }
    } catch (const ScriptError&) {
      survey.malformed = true;
      return survey;
    }
  }
  return survey;
}

// Exactly one line, "line N: reason", where N is a line that Run reached.
bool IsErrorLine(std::string_view err, long lastLine) {
  constexpr std::string_view kPrefix = "line ";
  if (!err.starts_with(kPrefix) || !err.ends_with('\n') ||
      std::count(err.begin(), err.end(), '\n') != 1) {
    return false;
  }
  err.remove_prefix(kPrefix.size());
  long number = 0;
  const char* last = err.data() + err.size();
  const auto [end, error] = std::from_chars(err.data(), last, number);
  const std::string_view reason(end, static_cast<std::size_t>(last - end));
  return error == std::errc{} && err.front() != '0' && number >= 1 && number <= lastLine &&
         reason.starts_with(": ") && reason.size() > std::string_view(": \n").size();
}

[[noreturn]] void Fail(std::string_view what, int status, const std::string& err) {
  std::cerr << "replay fuzzer: " << what << " (status " << status << ", error stream \"" << err
            << "\")\n";
  std::abort();
}

void CheckOutcome(const Survey& survey, int status, const std::string& err) {
  if (status == 0 && !err.empty()) {
    Fail("a script that ran to its end wrote on the error stream", status, err);
  }
  if (status == 0 && survey.malformed) {
    Fail("a malformed script ran to its end", status, err);
  }
  if (status == kScriptFailed && !IsErrorLine(err, survey.lastLine)) {
    Fail("a failed script did not end in one \"line N: reason\" line", status, err);
  }
  if (status != 0 && status != kScriptFailed) {
    Fail("unexpected exit status", status, err);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string script(reinterpret_cast<const char*>(data), size);
  const Survey survey = SurveyScript(script);
  if (survey.ticks > kTickBudget) {
    return 0;  // Skipped. (libFuzzer 14 has no return value that rejects an input.)
  }
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  const int status = quibbet::replay::Run(in, out, err);
  CheckOutcome(survey, status, err.str());
  return 0;
}
