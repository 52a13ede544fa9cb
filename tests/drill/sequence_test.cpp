#include "recording_dialog.h"
#include "sequence.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class Generator : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }
    // The first draws of a fresh process whose tick count is the seed.
    std::vector<std::uint32_t> Draws(std::uint32_t seed, int n)
    {
        Drill = DrillState{};
        dialog.ticks = seed;
        std::vector<std::uint32_t> values;
        while (n-- > 0)
            values.push_back(NextRandom(dialog));
        return values;
    }

    RecordingDialog dialog;
};

// Worked out by hand: 1 * 69621, 69621^2 mod (2^31 - 1), ...
const std::vector<std::uint32_t> StreamOfSeedOne = {69621, 552116347, 1082396834, 201323037, 1832878655};

TEST_F(Generator, FollowsTheLehmerStreamOfTheTickCountSeededOnce)
{
    EXPECT_EQ(Draws(1, 5), StreamOfSeedOne);
    // Tick counts of 2^31 and more are read unsigned.
    std::uint64_t state = 0xFFFFFFFFu;
    for (std::uint32_t draw : Draws(0xFFFFFFFFu, 50))
        EXPECT_EQ(draw, state = state * RngMultiplier % RngModulus);
    dialog.ticks = 1;  // a later tick count does not reseed
    EXPECT_EQ(NextRandom(dialog), state * RngMultiplier % RngModulus);
    // Seeds that are multiples of the modulus would give 0 for ever; they start like seed 1.
    for (std::uint32_t seed : {0u, 0x7FFFFFFFu, 0xFFFFFFFEu})
        EXPECT_EQ(Draws(seed, 5), StreamOfSeedOne) << "seed " << seed;
}

TEST_F(Generator, SeriesKeepsTheDrawsWhoseLowBitsAreInRange)
{
    // Low 7 bits of seed 1's stream: 117 and 123 are rejected, then 34, 29, 63.
    GenerateSequence(dialog, true);
    EXPECT_STREQ(Drill.SequenceText, "34,29,63");
    // Low 4 bits of seed 1: 5, (11), 2, (13), (15), 8.
    Draws(1, 0);
    GenerateSequence(dialog, false);
    EXPECT_STREQ(Drill.SequenceText, "5,2,8");
}

TEST_F(Generator, BothRangesAreCoveredWholeAndNeverLeft)
{
    dialog.ticks = 424242;
    Drill.ItemCount = MaxParameter;
    for (int limit : {10, 100}) {
        std::set<int> seen;
        for (int round = 0; round < 40; ++round) {
            GenerateSequence(dialog, limit == 100);
            seen.insert(Drill.SequenceValues, Drill.SequenceValues + Drill.ItemCount);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(limit));
        EXPECT_EQ(*seen.rbegin(), limit - 1);
    }
}

TEST(NumberText, SeriesTextEndsWithoutASeparatorAndFitsItsStore)
{
    Drill = DrillState{};
    Drill.ItemCount = 1;
    Drill.SequenceValues[0] = 12;
    BuildSequenceText();
    EXPECT_STREQ(Drill.SequenceText, "12");
    Drill.ItemCount = MaxParameter;
    std::fill(std::begin(Drill.SequenceValues), std::end(Drill.SequenceValues), 88);
    BuildSequenceText();
    EXPECT_STREQ(Drill.SequenceText + 3 * MaxParameter - 6, "88,88");
}

TEST(NumberText, FormatWritesNoLeadingZeroAndParseTakesEveryCharacterAsADigit)
{
    for (auto [value, text] : std::map<std::uint32_t, std::string>{{0, "0"}, {7, "7"}, {40, "40"}, {99, "99"}}) {
        FormatNumber(value);
        EXPECT_EQ(Drill.NumberText, text);
    }
    EXPECT_EQ(ParseNumber(""), 0u);
    EXPECT_EQ(ParseNumber("05"), 5u);
    EXPECT_EQ(ParseNumber("1a"), 59u);  // pasted text is not filtered: 'a' counts as 97 - 48
}

TEST(NumberText, AppendCutsWhatDoesNotFit)
{
    char text[6] = "ab";
    AppendText(text, sizeof text, "cdefg");
    EXPECT_STREQ(text, "abcde");
}

} // namespace
