#include "recording_dialog.h"
#include "sequence.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The first draws of a fresh process whose first tick count is the seed; later ones do not reseed.
std::vector<std::uint32_t> Draws(std::uint32_t seed, int count)
{
    Drill = DrillState {};
    RecordingDialog dialog;
    std::vector<std::uint32_t> draws;
    for (dialog.ticks = seed; count-- > 0; dialog.ticks = 7)
        draws.push_back(NextRandom(dialog));
    return draws;
}

TEST(Generator, FollowsTheLehmerStreamOfTheFirstTickCount)
{
    // Worked out by hand: 1 * 69621, 69621^2 mod (2^31 - 1), ...; tick counts of 2^31 and more
    // are read unsigned; seeds that are multiples of the modulus would give 0 for ever, so they
    // start like seed 1.
    for (std::uint32_t seed : {1u, 0u, 0x7FFFFFFFu, 0xFFFFFFFEu})
        EXPECT_EQ(Draws(seed, 4), (std::vector<std::uint32_t> {69621, 552116347, 1082396834, 201323037})) << seed;
    EXPECT_EQ(Draws(3000000000u, 2), (std::vector<std::uint32_t> {887976427, 47594331}));
}

TEST(Generator, KeepsTheDrawsWhoseLowBitsAreInRangeAndReachesEveryValue)
{
    Drill = DrillState {}; // a fresh process, its first tick count 1
    RecordingDialog dialog;
    // The low 4 bits of seed 1's stream (its low 7 make the numbers): 5, (11), 2, (13), (15), 8, ...
    Drill.ItemCount = 20;
    GenerateSequence(dialog, false);
    EXPECT_STREQ(Drill.SequenceText, "5,2,8,9,7,3,6,0,8,2,1,3,9,0,2,4,9,9,3,1");
    Drill.ItemCount = 99;
    for (int limit : {10, 100}) {
        std::set<int> seen;
        for (int round = 0; round < 40; ++round) {
            GenerateSequence(dialog, limit == 100);
            seen.insert(Drill.SequenceValues, Drill.SequenceValues + Drill.ItemCount);
        }
        EXPECT_EQ(std::tuple(seen.size(), *seen.begin(), *seen.rbegin()), std::tuple(limit, 0, limit - 1));
    }
}

} // namespace
