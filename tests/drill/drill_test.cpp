#include "recording_dialog.h"

#include <gtest/gtest.h>

namespace {

const std::string Praise = "Браво!|Вы запомнили все цифры!|", GiveUp = "Вы не запомнили следующий ряд:|";

// A fresh process whose first tick count is 1: it draws the numbers 34, 29, 63, 46, 87, 83, 94.
class Drilling : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }
    // Recall of a series of the test's own choosing.
    void RecallOf(std::vector<int> values)
    {
        Drill.ItemCount = static_cast<std::uint8_t>(values.size());
        std::copy(values.begin(), values.end(), Drill.SequenceValues);
        Drill.Phase = DrillPhase::Memorize;
        AdvancePhase(dialog);
    }

    RecordingDialog dialog;
};

TEST_F(Drilling, TheSeriesOfTheCountBeingTypedShowsForItsSecondsThenHides)
{
    dialog.texts[ID_COUNT] = "5";
    dialog.texts[ID_TIME] = "9";  // edited, but not left: not in force
    dialog.focused = ID_COUNT;
    OnStartStop(dialog);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "34,29,63,46,87");
    EXPECT_EQ(dialog.disabled, (std::set{ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS, ID_START, ID_ANSWER, ID_HINT}));
    EXPECT_EQ(dialog.focused, 0);
    for (std::uintptr_t timer : {TIMER_COUNTDOWN + 1, TIMER_COUNTDOWN, TIMER_COUNTDOWN})  // the first not the countdown's
        OnTimer(dialog, timer);
    EXPECT_EQ(Drill.Countdown + dialog.timerRunning, 1 + 1);
    OnTimer(dialog, TIMER_COUNTDOWN);
    OnTimer(dialog, TIMER_COUNTDOWN);  // a late tick changes nothing
    EXPECT_EQ(dialog.texts[ID_SEQUENCE] + dialog.texts[ID_START], "ОСТАНОВИТЬ");
    EXPECT_EQ(dialog.disabled, (std::set{ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS}));
    EXPECT_EQ(Drill.Countdown + dialog.timerRunning, 0);
    EXPECT_EQ(dialog.focused, ID_ANSWER);
}

TEST_F(Drilling, PraiseBringsALongerSlowerRoundAndGivingUpShowsTheWholeSeries)
{
    for (const char* typed : {"342963", "462"}) {  // the same stream goes on; "2" waits for its second digit
        OnStartStop(dialog);
        while (Drill.Phase == DrillPhase::Memorize)
            OnTimer(dialog, TIMER_COUNTDOWN);
        dialog.hintShown = true;
        dialog.Type(typed);
    }
    OnStartStop(dialog);
    EXPECT_EQ(dialog.boxes, (std::vector<std::string>{Praise + "34,29,63", GiveUp + "46,87,83,94|46,"}));
    EXPECT_FALSE(dialog.hintShown);
    EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME] + " " + dialog.texts[ID_START], "4 5 СТАРТ");
    EXPECT_EQ(dialog.texts[ID_SEQUENCE] + dialog.texts[ID_ANSWER], "");
    EXPECT_EQ(dialog.disabled, (std::set{ID_ANSWER, ID_HINT}));
    EXPECT_EQ(dialog.focused, ID_START);
}

TEST_F(Drilling, TheFirstTextThatMatchesIsTakenAsTypedAndOnlyThatHidesTheHint)
{
    RecallOf({7, 72, 7, 5, 7, 12});
    const std::pair<std::string, std::string> steps[] = {
        {"7", "7,"}, {"7", "7,"}, {"2", "7,72,"}, {"0", "7,72,"}, {"7", "7,72,07,"}, {"05", "7,72,07,05,"}, {"17", "7,72,07,05,"}};
    for (const auto& [keys, recalled] : steps) {
        const std::string before = dialog.texts[ID_SEQUENCE];
        dialog.hintShown = true;
        dialog.Type(keys);
        EXPECT_EQ(dialog.texts[ID_SEQUENCE], recalled) << "after " << keys;
        EXPECT_EQ(dialog.hintShown, recalled == before) << "after " << keys;
    }
    EXPECT_STREQ(ExpectedValueText(), "7");  // what "?" shows
    dialog.Change(ID_ANSWER, "7");  // the "1" of "17" deleted
    dialog.Type("12");
    EXPECT_EQ(dialog.boxes, std::vector{Praise + "7,72,07,05,7,12"});
}

TEST_F(Drilling, CountAndTimeComeIntoForceAsShownWhenLeftAndAfterSuccessNoFurtherThanNinetyNine)
{
    const std::tuple<std::string, int, std::string> cases[] = {
        {"", 1, "1"}, {"00", 1, "1"}, {"05", 5, "05"}, {"123", 12, "12"},
        {"9a", 99, "99"},                                      // pasted: 90 + 49 is more than a field shows
        {std::string("9") + static_cast<char>(0xD6), 1, "1"},  // 90 + 166 = 256 wraps to 0
        {"98", 98, "98"},
    };
    for (const auto& [typed, taken, shown] : cases) {
        dialog.texts[ID_COUNT] = dialog.texts[ID_TIME] = typed;
        dialog.Focus(ID_COUNT);
        dialog.Focus(ID_TIME);
        dialog.Focus(0);
        EXPECT_EQ(Drill.ItemCount + Drill.ShowSeconds, 2 * taken) << typed;
        EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], shown + " " + shown) << typed;
    }
    RecallOf(std::vector(98, 0));
    dialog.Type(std::string(98, '0'));
    EXPECT_EQ(dialog.boxes.size(), 1u);
    EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], "99 99");
}

} // namespace
