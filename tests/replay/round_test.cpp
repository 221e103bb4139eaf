// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole rounds driven by scripts, with every expected value worked out from the rules. Block
// places come from the queued draws of kPlaces (script_runner.h); blocks move 50 twips right and
// 50 down (or up, once turned at the bottom) per tick, and a tick tests each block before it
// moves it.

#include <gtest/gtest.h>

#include <algorithm>

#include "script_runner.h"

namespace quibbet::replay {
namespace {

using nlohmann::json;

json Place(int left, int top) {
  return {left, top};
}
json PlaceOf(const json& shape) {
  return {shape["left"], shape["top"]};
}
json Flags(std::initializer_list<int> set) {
  json flags = json::array();
  for (int i = 0; i < 10; ++i) {
    flags.push_back(std::find(set.begin(), set.end(), i) != set.end());
  }
  return flags;
}

// The square on yellow block 4; the draws 0.5, 0.5 send it to Top floor(0.5 * 8641) = 4320 and
// Left floor(0.5 * 9626 - 10000) = -5187, and it moves on to (-5137, 4370) in the same tick.
const std::string kCollectYellow = kPlay + "move -7687 7305\nrand 0.5 0.5\ntick\n";
// Then red block 0, after two ticks at (-8804, 5215), ends the round in tick 3.
const std::string kLoseWithOnePoint = kCollectYellow + "tick\nmove -8804 5215\ntick\n";

TEST(Round, YellowPickUpScoresAndTheBestScoreFollowsAtTheNextTick) {
  const ScriptResult result = RunScript(kCollectYellow + "dump\ntick\ndump\n");
  ASSERT_EQ(result.dumps.size(), 2u);
  const json& game = result.dumps[0]["game"];
  EXPECT_EQ(game["labels"]["lblscore"]["text"], "1");
  EXPECT_EQ(game["labels"]["lblhigh"]["text"], "0");
  EXPECT_EQ(game["shpgreen"]["width"], 405);
  EXPECT_EQ(game["shpgreen"]["height"], 405);
  EXPECT_EQ(PlaceOf(game["shpother"][4]), Place(-5137, 4370));
  // Blocks 1 (Top 9495) and 3 (lower edge exactly 9015) turn up at their first step.
  EXPECT_EQ(PlaceOf(game["shpother"][3]), Place(-7757, 8350));
  EXPECT_EQ(PlaceOf(game["shpother"][2]), Place(-5565, 786));
  EXPECT_EQ(game["goingup"], Flags({1, 3}));
  EXPECT_EQ(game["goingdown"], Flags({}));

  const json& next = result.dumps[1]["game"];
  EXPECT_EQ(next["tickcount"], 2);
  EXPECT_EQ(next["bestscore"], 1);
  EXPECT_EQ(next["labels"]["lblhigh"]["text"], "1");
}

TEST(Round, RedBlockEndsTheRoundWithTheGameOverScreen) {
  const ScriptResult result = RunScript(kLoseWithOnePoint + "tick 5\ndump\n");
  const json& game = result.dumps.at(0)["game"];
  EXPECT_FALSE(game["timer"]);
  EXPECT_EQ(game["tickcount"], 3);  // the later ticks were not delivered
  EXPECT_EQ(game["labels"]["lblcurrentscore"], json({{"text", "1"}, {"visible", true}}));
  EXPECT_EQ(game["labels"]["lblscore"]["text"], "1");
  EXPECT_EQ(game["labels"]["lblcount"]["text"], "");
  EXPECT_FALSE(game["labels"]["lblspacebar"]["visible"]);
  for (const char* shown : {"lblname", "lblalltime"}) {
    EXPECT_TRUE(game["labels"][shown]["visible"]) << shown;
  }
  for (const char* button : {"cmdreset", "cmdsubmit", "cmdmain"}) {
    EXPECT_TRUE(game["buttons"][button]["visible"]) << button;
  }
  EXPECT_TRUE(game["txtname"]["visible"]);
  EXPECT_FALSE(game["shpgreen"]["visible"]);
  for (const json& block : game["shpother"]) {
    EXPECT_FALSE(block["visible"]);
  }
  for (const json& row : game["table"]) {
    EXPECT_TRUE(row["visible"]);
  }
  // The ending tick still moved every block, block 0 included.
  EXPECT_EQ(PlaceOf(game["shpother"][0]), Place(-8754, 5265));
  EXPECT_EQ(PlaceOf(game["shpother"][8]), Place(-7477, 5265));
}

TEST(Round, MenuAndHelpVisitsReturnTheGameAsItWasLeft) {
  const ScriptResult result =
      RunScript(kLoseWithOnePoint +
                "type Zoë  Q.\ndump\nclick cmdmain\ndump\nclick cmdhowto\ndump\nclick Command1\n"
                "click cmdplay\ndump\n");
  ASSERT_EQ(result.dumps.size(), 4u);
  const json& left = result.dumps[0]["game"];
  EXPECT_EQ(left["txtname"]["text"], "Zoë  Q.");
  const auto windows = [&](int dump) { return result.dumps[dump]["windows"]; };
  EXPECT_EQ(windows(1),
            json::parse(R"({"Form1":"hidden","Form2":"visible","frmhelp":"unloaded"})"));
  EXPECT_EQ(windows(2),
            json::parse(R"({"Form1":"hidden","Form2":"unloaded","frmhelp":"visible"})"));
  EXPECT_EQ(windows(3),
            json::parse(R"({"Form1":"visible","Form2":"unloaded","frmhelp":"unloaded"})"));
  for (int dump = 1; dump < 4; ++dump) {
    EXPECT_EQ(result.dumps[dump]["game"], left) << "dump " << dump;
  }
}

TEST(Round, PlayAgainPlacesTheBlocksAnewAndKeepsWhatRoundsShare) {
  const ScriptResult result =
      RunScript(kLoseWithOnePoint + "type Ann\n" + SameDraws(18, "0.5") + "click cmdreset\ndump\n");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const json& game = result.dumps.at(0)["game"];
  EXPECT_TRUE(game["timer"]);
  EXPECT_EQ(game["labels"]["lblscore"]["text"], "0");
  EXPECT_EQ(game["labels"]["lblhigh"]["text"], "1");
  EXPECT_EQ(game["tickcount"], 3);
  EXPECT_EQ(game["txtname"], json({{"text", "Ann"}, {"visible", false}}));
  EXPECT_EQ(game["shpgreen"],
            json::parse(R"({"left":-8804,"top":5215,"width":375,"height":375,"visible":true})"));
  // Every draw 0.5: Left floor(0.5 (W + 5001)) - 10000, Top floor(9495 - 0.5 * 8759).
  const json& blocks = game["shpother"];
  EXPECT_EQ(PlaceOf(blocks[0]), Place(-7807, 5115));
  EXPECT_EQ(PlaceOf(blocks[4]), Place(-7687, 5115));
  EXPECT_EQ(PlaceOf(blocks[8]), Place(-7627, 5115));
  EXPECT_TRUE(blocks[8]["visible"]);
  // The magenta block keeps the Top three ticks gave it, and stays hidden.
  EXPECT_EQ(PlaceOf(blocks[9]), Place(-100000, 7230));
  EXPECT_FALSE(blocks[9]["visible"]);
  EXPECT_EQ(game["goingup"], Flags({1, 3}));
}

// Block 0 at (-10000, 5115); block 4 at (-7687, 5115); all others at Top 9495 and from 5615 to
// 5255 left of the window, where they turn up at once and stay below the square. Each draw pair
// 0.5, 0.5 sends block 4 back to (-5187, 4320), under the square, and moves it to
// (-5137, 4370), still under the square: one point a tick for thirty ticks, the square growing
// to 375 + 30 * 30 = 1275. Block 0 then ends the round at (-8500, 6615).
TEST(Round, ThirtyPointsEnterTheTableAboveTheLastRowOnce) {
  const std::string script =
      "rand 0 0.5 0.99999994 0 0.99999994 0 0.99999994 0 0.5 0.5 0.99999994 0 0.99999994 0 "
      "0.99999994 0 0.99999994 0\nclick cmdplay\nmove -7687 5115\n" +
      SameDraws(60, "0.5") +
      "tick\nmove -5187 4320\ntick 29\ndump\nmove -8500 6615\ntick\ntype Ann\nclick cmdsubmit\n"
      "click cmdsubmit\ndump\n";
  const ScriptResult result = RunScript(script);
  ASSERT_EQ(result.dumps.size(), 2u) << result.err;

  const json& scored = result.dumps[0]["game"];
  EXPECT_EQ(scored["labels"]["lblscore"]["text"], "30");
  EXPECT_EQ(scored["labels"]["lblhigh"]["text"], "29");
  EXPECT_EQ(scored["shpgreen"]["width"], 1275);
  EXPECT_EQ(PlaceOf(scored["shpother"][0]), Place(-8500, 6615));

  const json& ended = result.dumps[1];
  EXPECT_EQ(ended["messages"], json::array());
  EXPECT_EQ(ended["game"]["labels"]["lblcurrentscore"]["text"], "30");
  EXPECT_EQ(ended["game"]["bestscore"], 30);
  EXPECT_TRUE(ended["game"]["submitted"]);
  EXPECT_EQ(ended["game"]["table"], json::parse(R"([
      {"number": "1.", "name": "Zell", "score": "125", "visible": true},
      {"number": "2.", "name": "Harrowin", "score": "115", "visible": true},
      {"number": "3.", "name": "Pettrick", "score": "78", "visible": true},
      {"number": "4.", "name": "Corvale", "score": "45", "visible": true},
      {"number": "5.", "name": "Ann", "score": "30", "visible": true}])"));
}

// A stored table's rows: one given on the menu waits for the game window's load, one given on
// the game-over screen shows at once, a score is entered against both, and a later row changes
// only its own row.
TEST(Round, TableRowsFromTheScriptAreWhatTheGameShowsAndSubmitsTo) {
  const ScriptResult result =
      RunScript("row 2 200 Bea\n" + kLoseFirstRound +
                "dump\nrow 5 0 Last\ndump\ntype Ann\nclick cmdsubmit\nrow 3 1 Cy\ndump\n");
  ASSERT_EQ(result.dumps.size(), 3u) << result.err;
  const auto row = [&](std::size_t dump, std::size_t index) {
    const json& entry = result.dumps[dump]["game"]["table"][index];
    return entry["name"].get<std::string>() + " " + entry["score"].get<std::string>();
  };
  EXPECT_EQ(row(0, 1), "Bea 200");
  EXPECT_EQ(row(0, 4), "Dunmere 25");
  EXPECT_EQ(row(1, 4), "Last 0");
  EXPECT_EQ(row(1, 1), "Bea 200");
  EXPECT_EQ(row(2, 4), "Ann 0");
  EXPECT_EQ(row(2, 2), "Cy 1");
  EXPECT_EQ(result.dumps[2]["messages"], json::array());
}

// The square on the blue block: draw 0.5 sends it to Left floor(0.5 * 50001 - 100000) = -75000.
TEST(Round, SpacebarUsesTheFreezeForTwoHundredFiftyTicks) {
  const ScriptResult result = RunScript(kPlay +
                                        "move -7627 5115\nrand 0.5\ntick\nkey 65\ndump\n"
                                        "key 32\ntick\ndump\ntick 249\ndump\n");
  ASSERT_EQ(result.dumps.size(), 3u);
  const json& armed = result.dumps[0]["game"];
  EXPECT_TRUE(armed["freezeready"]);
  EXPECT_TRUE(armed["labels"]["lblspacebar"]["visible"]);
  EXPECT_EQ(PlaceOf(armed["shpother"][8]), Place(-74950, 5165));
  EXPECT_FALSE(armed["shpother"][8]["visible"]);

  const json& frozen = result.dumps[1]["game"];
  EXPECT_TRUE(frozen["frozen"]);
  EXPECT_FALSE(frozen["freezeready"]);
  EXPECT_EQ(frozen["tickcount"], 1);
  EXPECT_EQ(frozen["labels"]["lblcount"]["text"], "4");
  EXPECT_EQ(frozen["shpother"][0]["color"], 16777088);
  EXPECT_EQ(frozen["shpother"][4]["color"], 65535);
  EXPECT_EQ(PlaceOf(frozen["shpother"][0]), Place(-8854, 5165));
  EXPECT_EQ(PlaceOf(frozen["shpother"][8]), Place(-50000, 5165));

  // At tick 250 block 0 is still handled as frozen; blocks 1 to 9 move.
  const json& thawed = result.dumps[2]["game"];
  EXPECT_FALSE(thawed["frozen"]);
  EXPECT_EQ(thawed["labels"]["lblcount"]["text"], "");
  EXPECT_EQ(thawed["shpother"][0]["color"], 255);
  EXPECT_EQ(PlaceOf(thawed["shpother"][0]), Place(-8854, 5165));
  EXPECT_EQ(PlaceOf(thawed["shpother"][1]), Place(-9900, 9395));
  EXPECT_EQ(PlaceOf(thawed["shpother"][8]), Place(-49950, 5215));
}

}  // namespace
}  // namespace quibbet::replay
