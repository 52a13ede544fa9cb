// The one process-wide record of the game, read directly by the painter and the hint balloon.
#ifndef TALLYRA_DRILL_DRILL_STATE_H
#define TALLYRA_DRILL_DRILL_STATE_H

#include <cstdint>

enum class DrillPhase : std::uint8_t { Idle = 0, Memorize = 1, Recall = 2 };

// The series store holds 100 values, but the count never goes past 99:
// that is the most a two-character field can show and read back.
inline constexpr int SequenceCapacity = 100;
inline constexpr std::uint8_t MaxParameter = 99;

// 100 two-digit values, 99 separators and the terminator.
inline constexpr int SequenceTextSize = 300;
// Two digits and the terminator.
inline constexpr int NumberTextSize = 3;

struct DrillState {
    DrillPhase Phase = DrillPhase::Idle;
    std::uint8_t ItemCount = 3;
    std::uint8_t ShowSeconds = 3;
    std::uint8_t Countdown = 0;
    std::int32_t RecallIndex = 0;
    // A message box with the drill's outcome is open: it disables the window until it is closed.
    bool OutcomeShown = false;
    // Negative until the generator is seeded from the tick count on the first draw.
    std::int32_t RngState = -1;
    std::uint8_t SequenceValues[SequenceCapacity] = {};
    char SequenceText[SequenceTextSize] = {};
    char NumberText[NumberTextSize] = {};
};

extern constinit DrillState Drill;

#endif
