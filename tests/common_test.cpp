// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared helpers: rounding, the number-text conversions and the random draws. Mistakes here
// shift every collision edge and every block's starting place.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "common/number_text.h"
#include "common/random_source.h"
#include "common/rounding.h"

namespace quibbet {
namespace {

TEST(Rounding, ExactHalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundToInt32(100.5), 100);
  EXPECT_EQ(RoundToInt32(101.5), 102);
  EXPECT_EQ(RoundToInt32(1187.5), 1188);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(-3.5), -4);
  EXPECT_EQ(RoundToInt32(2.4999), 2);
  EXPECT_EQ(RoundToInt32(2.5001), 3);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
}

TEST(Rounding, ValuesBeyondTheRangeSaturateAndNanGivesZero) {
  EXPECT_EQ(RoundToInt16(40000), 32767);
  EXPECT_EQ(RoundToInt16(-40000), -32768);
  EXPECT_EQ(RoundToInt32(1e12), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt32(-std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundToInt32(std::nan("")), 0);
}

TEST(Rounding, CounterStopsAtItsLimit) {
  EXPECT_EQ(SaturatingIncrement(0), 1);
  EXPECT_EQ(SaturatingIncrement(32766), 32767);
  EXPECT_EQ(SaturatingIncrement(32767), 32767);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndZeroOtherwise) {
  EXPECT_EQ(LeadingNumber("41"), 41);
  EXPECT_EQ(LeadingNumber("  12abc"), 12);
  EXPECT_EQ(LeadingNumber("-7"), -7);
  EXPECT_EQ(LeadingNumber("2.5x"), 2.5);
  EXPECT_EQ(LeadingNumber("1e3"), 1000);
  EXPECT_EQ(LeadingNumber("12e"), 12);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
}

TEST(LeadingNumber, HugeAndTinyTextsNeverFail) {
  EXPECT_TRUE(std::isinf(LeadingNumber(std::string(400, '9'))));
  EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
  EXPECT_EQ(LeadingNumber("1e-999"), 0);
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(LeadingNumber(std::string(32767, '0')), 0);
}

TEST(StrictNumber, AcceptsOnlyATextThatIsWhollyANumber) {
  EXPECT_EQ(StrictNumber("125"), 125);
  EXPECT_EQ(StrictNumber(" 78 "), 78);
  EXPECT_EQ(StrictNumber("1e+15"), 1e15);
  EXPECT_FALSE(StrictNumber("12a"));
  EXPECT_FALSE(StrictNumber(""));
  EXPECT_FALSE(StrictNumber("Zell"));
}

TEST(NumberToText, WholeNumbersAreTheirDigitsAlone) {
  EXPECT_EQ(NumberToText(0), "0");
  EXPECT_EQ(NumberToText(-0.0), "0");
  EXPECT_EQ(NumberToText(42), "42");
  EXPECT_EQ(NumberToText(32768), "32768");
  EXPECT_EQ(NumberToText(-5), "-5");
  EXPECT_EQ(NumberToText(2.5), "2.5");
  // Every text the game writes reads back as the number it came from.
  for (double v : {1.0, 999999.0, 123456789012345.0, 1e20, 0.1}) {
    EXPECT_EQ(LeadingNumber(NumberToText(v)), v);
  }
  EXPECT_EQ(Int16ToText(-32768), "-32768");
  EXPECT_EQ(Int16ToText(32767), "32767");
}

TEST(RandomBetween, CoversBothBoundsWhenUpperIsTheLarger) {
  EXPECT_EQ(RandomBetween(-5375, -10000, 0.0f), -10000);
  EXPECT_EQ(RandomBetween(-5375, -10000, std::nextafter(1.0f, 0.0f)), -5375);
  EXPECT_EQ(RandomBetween(8640, 0, 0.5f), 4320);
  EXPECT_EQ(RandomBetween(-50000, -100000, 0.25f), -87500);
}

TEST(RandomBetween, CountsDownWhenUpperIsTheSmaller) {
  // The block placement's call: the lower bound itself only for a draw of exactly 0.
  EXPECT_EQ(RandomBetween(735, 9495, 0.0f), 9495);
  EXPECT_EQ(RandomBetween(735, 9495, 1e-6f), 9494);
  EXPECT_EQ(RandomBetween(735, 9495, std::nextafter(1.0f, 0.0f)), 736);
}

TEST(RandomBetween, NegativeProductsRoundDownwards) {
  // Int() rounds toward minus infinity: -2.5 gives -3.
  EXPECT_EQ(RandomBetween(-1, -4, 0.375f), -3);
}

TEST(FixedSeedRandom, DrawsTheSameSequenceEveryStartStrictlyBelowOne) {
  FixedSeedRandom a;
  FixedSeedRandom b;
  std::set<float> seen;
  for (int i = 0; i < 100000; ++i) {
    const float r = a.Next();
    ASSERT_EQ(r, b.Next());
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    seen.insert(r);
  }
  EXPECT_GT(seen.size(), 99000u);
}

TEST(LcgRandom, FollowsItsPublishedRecurrence) {
  LcgRandom lcg(1);
  EXPECT_EQ(lcg.Next(), 8621309.0f / 16777216.0f);
  EXPECT_EQ(lcg.Next(), 2948449.0f / 16777216.0f);
  EXPECT_EQ(lcg.Next(), 5178313.0f / 16777216.0f);
  LcgRandom zero(0);
  EXPECT_EQ(zero.Next(), static_cast<float>(12345 / 128) / 16777216.0f);
}

}  // namespace
}  // namespace quibbet
