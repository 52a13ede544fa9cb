#include "recording_dialog.h"
#include "sequence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

class SequenceTest : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }

    std::vector<std::uint32_t> Draws(int n)
    {
        std::vector<std::uint32_t> values;
        for (int i = 0; i < n; ++i)
            values.push_back(NextRandom(dialog));
        return values;
    }
    std::vector<int> Series()
    {
        return std::vector<int>(Drill.SequenceValues, Drill.SequenceValues + Drill.ItemCount);
    }

    RecordingDialog dialog;
};

// Worked out by hand: 1 * 69621, 69621^2 mod (2^31 - 1), ...
const std::vector<std::uint32_t> StreamOfSeedOne = {
    69621, 552116347, 1082396834, 201323037, 1832878655, 1219051368, 874078441, 971035822};

TEST_F(SequenceTest, GeneratorFollowsTheLehmerStreamOfItsSeed)
{
    dialog.ticks = 1;
    EXPECT_EQ(Draws(8), StreamOfSeedOne);
}

TEST_F(SequenceTest, GeneratorMatchesPlainModularArithmeticAcrossSeeds)
{
    for (std::uint64_t seed = 1; seed <= 0xFFFFFFFFu; seed += 0x0FEDCBA7u) {
        Drill = DrillState{};
        dialog.ticks = static_cast<std::uint32_t>(seed);
        std::uint64_t state = seed % RngModulus;
        for (int i = 0; i < 1000; ++i) {
            state = state * RngMultiplier % RngModulus;
            ASSERT_EQ(NextRandom(dialog), state) << "seed " << seed << " draw " << i;
        }
    }
}

TEST_F(SequenceTest, GeneratorIsSeededOnceFromTheTickCount)
{
    dialog.ticks = 12345;
    EXPECT_EQ(NextRandom(dialog), 859471245u);
    dialog.ticks = 1;  // a later tick count does not reseed
    EXPECT_EQ(NextRandom(dialog), 1910691784u);
}

TEST_F(SequenceTest, TickCountOfTwoToTheThirtyOneOrMoreIsReadUnsigned)
{
    // 2^32 - 1 leaves 1 modulo 2^31 - 1, so it continues like seed 1.
    dialog.ticks = 0xFFFFFFFFu;
    EXPECT_EQ(Draws(3), std::vector<std::uint32_t>(StreamOfSeedOne.begin(), StreamOfSeedOne.begin() + 3));
}

TEST_F(SequenceTest, SeedsThatWouldPinTheGeneratorAtZeroStartLikeSeedOne)
{
    for (std::uint32_t seed : {0u, 0x7FFFFFFFu, 0xFFFFFFFEu}) {
        Drill = DrillState{};
        dialog.ticks = seed;
        EXPECT_EQ(Draws(8), StreamOfSeedOne) << "seed " << seed;
    }
}

TEST_F(SequenceTest, SeriesKeepsOnlyDrawsInRangeOfTheirLowBits)
{
    dialog.ticks = 1;
    // Low 7 bits of the stream: 117 and 123 are rejected, then 34, 29, 63.
    GenerateSequence(dialog, true);
    EXPECT_EQ(Series(), (std::vector<int>{34, 29, 63}));
    EXPECT_STREQ(Drill.SequenceText, "34,29,63");

    Drill = DrillState{};
    // Low 4 bits: 5, (11), 2, (13), (15), 8.
    GenerateSequence(dialog, false);
    EXPECT_EQ(Series(), (std::vector<int>{5, 2, 8}));
    EXPECT_STREQ(Drill.SequenceText, "5,2,8");
}

TEST_F(SequenceTest, ConsecutiveSeriesContinueOneStream)
{
    dialog.ticks = 1;
    GenerateSequence(dialog, true);
    GenerateSequence(dialog, true);
    // After 63: 1219051368 & 127 = 104 and 874078441 & 127 = 105 are rejected.
    EXPECT_EQ(Series()[0], 971035822 & 127);
}

TEST_F(SequenceTest, BothRangesAreCoveredWholeAndNeverLeft)
{
    dialog.ticks = 424242;
    Drill.ItemCount = MaxParameter;
    for (bool numbersMode : {false, true}) {
        std::set<int> seen;
        for (int round = 0; round < 40; ++round) {
            GenerateSequence(dialog, numbersMode);
            seen.insert(Drill.SequenceValues, Drill.SequenceValues + Drill.ItemCount);
        }
        const int limit = numbersMode ? 100 : 10;
        EXPECT_EQ(static_cast<int>(seen.size()), limit);
        EXPECT_EQ(*seen.begin(), 0);
        EXPECT_EQ(*seen.rbegin(), limit - 1);
    }
}

TEST_F(SequenceTest, SeriesTextJoinsValuesWithBareCommas)
{
    const std::uint8_t values[] = {12, 7, 95};
    std::copy(std::begin(values), std::end(values), Drill.SequenceValues);
    BuildSequenceText();
    EXPECT_STREQ(Drill.SequenceText, "12,7,95");

    Drill.ItemCount = 1;
    Drill.SequenceValues[0] = 4;
    BuildSequenceText();
    EXPECT_STREQ(Drill.SequenceText, "4");
}

TEST_F(SequenceTest, LongestSeriesTextFitsItsStore)
{
    Drill.ItemCount = MaxParameter;
    std::fill(Drill.SequenceValues, Drill.SequenceValues + SequenceCapacity, 88);
    Drill.SequenceValues[SequenceCapacity - 1] = 7;  // past the series: must not appear
    BuildSequenceText();
    std::string expected = "88";
    for (int i = 1; i < MaxParameter; ++i)
        expected += ",88";
    EXPECT_EQ(Drill.SequenceText, expected);
}

TEST(NumberTextTest, FormatWritesNoLeadingZero)
{
    const std::pair<std::uint32_t, const char*> cases[] = {{0, "0"}, {7, "7"}, {10, "10"}, {40, "40"}, {99, "99"}};
    for (auto [value, text] : cases) {
        FormatNumber(value);
        EXPECT_STREQ(Drill.NumberText, text);
    }
}

TEST(NumberTextTest, ParseReadsDigitsAndTakesAnyCharacterAsOne)
{
    EXPECT_EQ(ParseNumber(""), 0u);
    EXPECT_EQ(ParseNumber("05"), 5u);
    EXPECT_EQ(ParseNumber("7"), 7u);
    EXPECT_EQ(ParseNumber("99"), 99u);
    // Pasted text is not filtered: 'a' counts as 97 - 48.
    EXPECT_EQ(ParseNumber("a"), 49u);
    EXPECT_EQ(ParseNumber("1a"), 59u);
    for (std::uint32_t value = 0; value < 100; ++value) {
        FormatNumber(value);
        EXPECT_EQ(ParseNumber(Drill.NumberText), value);
    }
}

TEST(AppendTextTest, CutsWhatDoesNotFit)
{
    char text[6] = "ab";
    AppendText(text, sizeof text, "cd");
    EXPECT_STREQ(text, "abcd");
    AppendText(text, sizeof text, "efg");
    EXPECT_STREQ(text, "abcde");
}

} // namespace
