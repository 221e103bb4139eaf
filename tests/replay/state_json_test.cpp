// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The state a dump prints: its shape, and numbers exact to the last digit.

#include <gtest/gtest.h>

#include "record/json_number.h"
#include "script_runner.h"

namespace quibbet::replay {
namespace {

using nlohmann::json;

TEST(Dump, AtStartShowsOnlyTheMainMenu) {
  const ScriptResult result = RunScript("dump\n");
  EXPECT_EQ(
      result.out,
      R"({"ended":false,"windows":{"Form1":"unloaded","Form2":"visible","frmhelp":"unloaded"},)"
      R"("messages":[],"game":null})"
      "\n");
}

TEST(Dump, FirstRoundShowsTheDesignAndTheBlocksAtTheirDrawnPlaces) {
  const json expected = json::parse(R"({
    "timer": true, "tickcount": 0, "bestscore": 0,
    "frozen": false, "freezeready": false, "submitted": false,
    "goingdown": [false, false, false, false, false, false, false, false, false, false],
    "goingup": [false, false, false, false, false, false, false, false, false, false],
    "labels": {
      "lblscore": {"text": "0", "visible": true},
      "lblhigh": {"text": "0", "visible": true},
      "lblcount": {"text": "", "visible": true},
      "lblspacebar": {"text": "Hit Spacebar To Freeze Enemies!", "visible": false},
      "lblcurrentscore": {"text": "100", "visible": false},
      "lblname": {"text": "Enter Name:", "visible": false},
      "lblalltime": {"text": "All Time High Scores", "visible": false}},
    "buttons": {"cmdreset": {"visible": false}, "cmdsubmit": {"visible": false},
                "cmdmain": {"visible": false}},
    "txtname": {"text": "", "visible": false},
    "shpgreen": {"left": 9720, "top": 4080, "width": 375, "height": 375, "visible": true},
    "shpother": [
      {"left": -8904, "top": 5115, "width": 615, "height": 615, "color": 255, "visible": true},
      {"left": -10000, "top": 9495, "width": 615, "height": 615, "color": 255, "visible": true},
      {"left": -5615, "top": 736, "width": 615, "height": 615, "color": 255, "visible": true},
      {"left": -7807, "top": 8400, "width": 615, "height": 615, "color": 255, "visible": true},
      {"left": -7687, "top": 7305, "width": 375, "height": 375, "color": 65535, "visible": true},
      {"left": -6531, "top": 2925, "width": 375, "height": 375, "color": 65535, "visible": true},
      {"left": -9422, "top": 1830, "width": 375, "height": 375, "color": 65535, "visible": true},
      {"left": -10000, "top": 5115, "width": 375, "height": 375, "color": 65535, "visible": true},
      {"left": -7627, "top": 5115, "width": 255, "height": 255, "color": 16711680,
       "visible": true},
      {"left": -100000, "top": 7080, "width": 255, "height": 255, "color": 16711935,
       "visible": true}],
    "table": [
      {"number": "1.", "name": "Zell", "score": "125", "visible": false},
      {"number": "2.", "name": "Harrowin", "score": "115", "visible": false},
      {"number": "3.", "name": "Pettrick", "score": "78", "visible": false},
      {"number": "4.", "name": "Corvale", "score": "45", "visible": false},
      {"number": "5.", "name": "Dunmere", "score": "25", "visible": false}]
  })");
  const ScriptResult result = RunScript(kPlay + "dump\n");
  ASSERT_EQ(result.dumps.size(), 1u);
  EXPECT_EQ(result.dumps[0]["windows"],
            json::parse(R"({"Form1":"visible","Form2":"unloaded","frmhelp":"unloaded"})"));
  EXPECT_EQ(result.dumps[0]["game"], expected);
}

// One queued draw, then the test generator from seed 0, whose draws are 96 * 2^-24, then
// 10991660 * 2^-24 and 5113935 * 2^-24.
TEST(Dump, QueuedDrawsComeBeforeTheGeneratorThatReplacedTheFixedOne) {
  const ScriptResult result = RunScript("rand 0.5\nrng lcg 0\nclick cmdplay\ndump\n");
  const json& blocks = result.dumps.at(0)["game"]["shpother"];
  EXPECT_EQ(blocks[0]["left"], -7807);  // floor(0.5 * 4386 - 10000)
  EXPECT_EQ(blocks[0]["top"], 9494);    // floor(9495 - 8759 * 96 / 2^24)
  EXPECT_EQ(blocks[1]["left"], -7127);  // floor(4386 * 0.65515... - 10000)
  EXPECT_EQ(blocks[1]["top"], 6825);    // floor(9495 - 8759 * 0.30481...)
}

TEST(Dump, SingleValuesPrintAsTheirShortestDecimal) {
  // The square follows a fractional pointer, then a magenta block halves it twice.
  const ScriptResult result = RunScript(kPlay +
                                        "move 2000.25 4000.1\ndump\n"
                                        "move -100000 7080\ntick\n"
                                        "dump\nmove -74900 7180\ntick\ndump\n");
  ASSERT_EQ(result.dumps.size(), 3u);
  const auto square = [&](int dump) { return result.dumps[dump]["game"]["shpgreen"]; };
  EXPECT_EQ(square(0)["left"], 2000.25);
  EXPECT_NE(result.out.find(R"("top":4000.1,)"), std::string::npos);
  EXPECT_EQ(square(1)["width"], 187.5);
  EXPECT_EQ(square(2)["height"], 93.75);
  EXPECT_NE(result.out.find(R"("width":93.75,"height":93.75,)"), std::string::npos);
}

TEST(SingleToJson, WholeValuesAreIntegersAndOthersKeepTheirShortestDigits) {
  EXPECT_EQ(record::SingleToJson(9720.0f).dump(), "9720");
  EXPECT_EQ(record::SingleToJson(-100000.0f).dump(), "-100000");
  EXPECT_EQ(record::SingleToJson(16777216.0f).dump(), "16777216");
  EXPECT_EQ(record::SingleToJson(187.5f).dump(), "187.5");
  EXPECT_EQ(record::SingleToJson(0.1f).dump(), "0.1");
  EXPECT_EQ(record::SingleToJson(-4000.1f).dump(), "-4000.1");
  EXPECT_EQ(record::SingleToJson(1e30f).dump(), "1e+30");
  EXPECT_EQ(record::SingleToJson(1.5e-45f).dump(), "1e-45");
}

}  // namespace
}  // namespace quibbet::replay
