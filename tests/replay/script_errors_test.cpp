// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A bad line stops the run at once with its line number and reason on stderr and exit status 2;
// what was dumped before it stays printed.

#include <gtest/gtest.h>

#include "script_runner.h"

namespace quibbet::replay {
namespace {

struct BadLine {
  std::string script;
  int line;
  std::string reason;
};

void PrintTo(const BadLine& bad, std::ostream* os) {
  *os << '"' << bad.script << '"';
}

class ScriptErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ScriptErrors, StopTheRunNamingTheLineAndReason) {
  const BadLine& bad = GetParam();
  const ScriptResult result = RunScript(bad.script);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "line " + std::to_string(bad.line) + ": " + bad.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    MalformedLines, ScriptErrors,
    ::testing::Values(
        BadLine{"jump", 1, "unknown command 'jump'"},
        BadLine{"dump\n\n# note\n   \nclick", 5, "click takes 1 argument, not 0"},
        BadLine{"click cmdplay now", 1, "click takes 1 argument, not 2"},
        BadLine{"tick 1 2", 1, "tick takes 0 or 1 arguments, not 2"},
        BadLine{"rand", 1, "rand takes at least 1 argument, not 0"},
        BadLine{"dump ", 1, "words are separated by single spaces"},
        BadLine{"click  cmdplay", 1, "words are separated by single spaces"},
        BadLine{"click form2", 1, "unknown button 'form2'"},
        BadLine{"close Form3", 1, "unknown window 'Form3'"},
        BadLine{"answer 1", 1, "an answer is 6 (Yes) or 7 (No), not '1'"},
        BadLine{"tick 0", 1, "a tick count is at least 1, not '0'"},
        BadLine{"tick 5x", 1, "not a number: '5x'"},
        BadLine{"tick 99999999999999999999", 1, "number out of range: '99999999999999999999'"},
        BadLine{"key 3.5", 1, "not a number: '3.5'"},
        BadLine{"key 32768", 1, "number out of range: '32768'"},
        BadLine{"move 1 nan", 1, "not a number: 'nan'"},
        BadLine{"move inf 0", 1, "not a number: 'inf'"},
        BadLine{"move 1e39 0", 1, "number out of range: '1e39'"},
        BadLine{"rand 0.5 1", 1, "a draw lies in 0 <= r < 1, not '1'"},
        // Rounds to 1 in single precision.
        BadLine{"rand 0.999999999", 1, "a draw lies in 0 <= r < 1, not '0.999999999'"},
        BadLine{"rand -0.25", 1, "a draw lies in 0 <= r < 1, not '-0.25'"},
        BadLine{"rng lcg 2147483648", 1, "a seed lies in 0 <= S < 2^31, not '2147483648'"},
        BadLine{"rng mt 5", 1, "unknown generator 'mt'"},
        BadLine{"type \xff", 1, "the text to type is not UTF-8"},
        BadLine{"row 6 10 Ann", 1, "a row is 1 to 5, not '6'"},
        BadLine{"row 1", 1, "row takes a row number, a score and a name"},
        BadLine{"row 1 012 Ann", 1, "a score is plain digits from 0 to 2147483647, not '012'"},
        BadLine{"row 1 2147483648", 1,
                "a score is plain digits from 0 to 2147483647, not '2147483648'"},
        // A line of any length is quoted in 80 characters at most, never half of one.
        BadLine{std::string(100'000, 'x'), 1,
                "unknown command '" + std::string(80, 'x') + "...' (100000 bytes)"},
        BadLine{"click " + std::string(79, 'b') + "\u00e9" + std::string(20, 'b'), 1,
                "unknown button '" + std::string(79, 'b') + "...' (101 bytes)"},
        // A script attached to a bug report must not write controls to the reader's terminal.
        BadLine{"click \x1b]2;owned\x07\xc2\x9b\xff", 1,
                "unknown button '\\x1b]2;owned\\x07\\xc2\\x9b\\xff'"},
        BadLine{"dump\n\xEF\xBB\xBF"
                "dump",
                2,
                "unknown command '\xEF\xBB\xBF"
                "dump'"},
        BadLine{"tick 10000001", 1, "a tick count is at most 10000000, not '10000001'"},
        BadLine{"type-escaped a\\q", 1,
                "an escape is \\\\, \\n, \\r, \\t or \\x with two hexadecimal digits, not "
                "'\\q'"},
        BadLine{"row-escaped 1 5 a\\x4", 1,
                "an escape is \\\\, \\n, \\r, \\t or \\x with two hexadecimal digits, not "
                "'\\x4'"},
        BadLine{"type-escaped \\xff", 1, "the text to type is not UTF-8"},
        BadLine{"row-escaped 1", 1, "row-escaped takes a row number, a score and a name"},
        BadLine{"type-escapedx", 1, "unknown command 'type-escapedx'"}));

INSTANTIATE_TEST_SUITE_P(
    ImpossibleEvents, ScriptErrors,
    ::testing::Values(
        BadLine{"move 10 10", 1, "Form1 is not visible"},
        BadLine{"key 32", 1, "Form1 is not visible"},
        BadLine{"close frmhelp", 1, "frmhelp is not visible"},
        BadLine{"click cmdplay\nclick cmdabout", 2, "Form2 is not visible"},
        BadLine{"click cmdplay\nclick cmdreset", 2, "cmdreset is not shown"},
        BadLine{"click cmdplay\ntype Ann", 2, "txtname is not shown"},
        BadLine{kLoseFirstRound + "click cmdmain\nmove 1 1", 6, "Form1 is not visible"},
        BadLine{"click cmdexit", 1,
                "no answer queued for the Yes/No box \"Are you sure you want to quit?\""},
        BadLine{"answer 6\nclick cmdexit\ndump\nrand 0.5", 4, "the program has ended"},
        BadLine{"close Form2\ntick", 2, "the program has ended"}));

TEST(ScriptErrors, KeepEverythingDumpedBeforeTheBadLine) {
  const ScriptResult result = RunScript("dump\nclick cmdabout\ndump\nbogus\ndump\n");
  EXPECT_EQ(result.exitCode, 2);
  ASSERT_EQ(result.dumps.size(), 2u);
  EXPECT_EQ(result.dumps[1]["messages"].size(), 1u);
}

TEST(ScriptErrors, BlankLinesCommentsAndCrLfEndingsAreNoErrors) {
  const ScriptResult result = RunScript("\n   \n\t\n# a note\n  # indented\r\ndump\r\ntick 2\r\n");
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.dumps.size(), 1u);
}

TEST(ScriptErrors, EscapedTextsAndAByteOrderMarkOnTheFirstLineAreNoErrors) {
  const ScriptResult result = RunScript("\xEF\xBB\xBFrow-escaped 1 125 two\\nlines\\\\\n" +
                                        kLoseFirstRound + "type-escaped \\x41\\tb\\r\ndump\n");
  EXPECT_EQ(result.exitCode, 0) << result.err;
  ASSERT_EQ(result.dumps.size(), 1u);
  EXPECT_EQ(result.dumps[0]["game"]["table"][0]["name"], "two\nlines\\");
  EXPECT_EQ(result.dumps[0]["game"]["txtname"]["text"], "A\tb\r");
}

TEST(ScriptErrors, DumpStillWorksAfterTheProgramHasEnded) {
  const ScriptResult result = RunScript("close Form2\ndump\ndump\n");
  EXPECT_EQ(result.exitCode, 0);
  ASSERT_EQ(result.dumps.size(), 2u);
  EXPECT_TRUE(result.dumps[1]["ended"]);
}

}  // namespace
}  // namespace quibbet::replay
