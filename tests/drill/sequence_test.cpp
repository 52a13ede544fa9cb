#include "recording_dialog.h"
#include "sequence.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class Generator : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }
    std::vector<std::uint32_t> Draws(std::uint32_t seed, int n)
    {
        Drill = DrillState{};
        dialog.ticks = seed;
        std::vector<std::uint32_t> values;
        while (n-- > 0)
            values.push_back(NextRandom(dialog));
        return values;
    }
    std::vector<int> Series() const { return {Drill.SequenceValues, Drill.SequenceValues + Drill.ItemCount}; }

    RecordingDialog dialog;
};

// Worked out by hand: 1 * 69621, 69621^2 mod (2^31 - 1), ...
const std::vector<std::uint32_t> StreamOfSeedOne = {69621, 552116347, 1082396834, 201323037, 1832878655};

TEST_F(Generator, FollowsTheLehmerStreamOfTheTickCount)
{
    EXPECT_EQ(Draws(1, 5), StreamOfSeedOne);
    // Tick counts of 2^31 and more are read unsigned, up to 2^32 - 1.
    for (std::uint64_t seed = 1; seed <= 0xFFFFFFFFu; seed += 0x0FEDCBA7u) {
        std::uint64_t state = seed;
        std::vector<std::uint32_t> expected;
        for (int i = 0; i < 200; ++i)
            expected.push_back(static_cast<std::uint32_t>(state = state * RngMultiplier % RngModulus));
        ASSERT_EQ(Draws(static_cast<std::uint32_t>(seed), 200), expected) << "seed " << seed;
    }
}

TEST_F(Generator, IsSeededOnceAndNeverPinnedAtZero)
{
    Draws(12345, 1);
    dialog.ticks = 1;  // a later tick count does not reseed
    EXPECT_EQ(NextRandom(dialog), 1910691784u);
    // Seeds that are multiples of the modulus would give 0 for ever; they start like seed 1.
    for (std::uint32_t seed : {0u, 0x7FFFFFFFu, 0xFFFFFFFEu})
        EXPECT_EQ(Draws(seed, 5), StreamOfSeedOne) << "seed " << seed;
}

TEST_F(Generator, SeriesKeepsTheDrawsWhoseLowBitsAreInRange)
{
    // Low 7 bits of seed 1's stream: 117 and 123 are rejected, then 34, 29, 63.
    GenerateSequence(dialog, true);
    EXPECT_EQ(Series(), (std::vector<int>{34, 29, 63}));
    EXPECT_STREQ(Drill.SequenceText, "34,29,63");
    // The next series goes on with the same stream: 104 and 105 are rejected, then 46.
    GenerateSequence(dialog, true);
    EXPECT_EQ(Series()[0], 46);

    // Low 4 bits of seed 1: 5, (11), 2, (13), (15), 8.
    Draws(1, 0);  // a fresh process, seeded with 1 again
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
        EXPECT_EQ(*seen.begin(), 0);
        EXPECT_EQ(*seen.rbegin(), limit - 1);
    }
}

TEST(NumberText, SeriesTextJoinsValuesWithBareCommasAndFitsItsStore)
{
    Drill = DrillState{};
    const std::uint8_t values[] = {12, 7, 95};
    std::copy(std::begin(values), std::end(values), Drill.SequenceValues);
    BuildSequenceText();
    EXPECT_STREQ(Drill.SequenceText, "12,7,95");
    Drill.ItemCount = 1;
    BuildSequenceText();
    EXPECT_STREQ(Drill.SequenceText, "12");

    Drill.ItemCount = MaxParameter;
    std::fill(std::begin(Drill.SequenceValues), std::end(Drill.SequenceValues), 88);
    BuildSequenceText();
    std::string expected = "88";
    for (int i = 1; i < MaxParameter; ++i)
        expected += ",88";
    EXPECT_EQ(Drill.SequenceText, expected);
}

TEST(NumberText, FormatAndParseRoundTripWithoutLeadingZeros)
{
    for (auto [value, text] : std::map<std::uint32_t, std::string>{{0, "0"}, {7, "7"}, {40, "40"}, {99, "99"}}) {
        FormatNumber(value);
        EXPECT_EQ(Drill.NumberText, text);
    }
    for (std::uint32_t value = 0; value < 100; ++value) {
        FormatNumber(value);
        EXPECT_EQ(ParseNumber(Drill.NumberText), value);
    }
    EXPECT_EQ(ParseNumber(""), 0u);
    EXPECT_EQ(ParseNumber("05"), 5u);
    // Pasted text is not filtered: 'a' counts as 97 - 48.
    EXPECT_EQ(ParseNumber("1a"), 59u);
}

TEST(NumberText, AppendCutsWhatDoesNotFit)
{
    char text[6] = "ab";
    AppendText(text, sizeof text, "cd");
    AppendText(text, sizeof text, "efg");
    EXPECT_STREQ(text, "abcde");
}

} // namespace
