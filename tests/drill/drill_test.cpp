#include "recording_dialog.h"

#include <gtest/gtest.h>

namespace {

const std::string Praise = "Браво!|Вы запомнили все цифры!|";

class Drilling : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }

    // Seed 1 in numbers mode draws 34, 29, 63, then 46, 87, 83, 94.
    void ShowSeries()
    {
        OnStartStop(dialog);
        while (Drill.Phase == DrillPhase::Memorize)
            OnTimer(dialog, TIMER_COUNTDOWN);
    }
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

TEST_F(Drilling, StartShowsAFreshSeriesOfTheCountStillBeingTyped)
{
    dialog.texts[ID_COUNT] = "5";
    dialog.texts[ID_TIME] = "9";  // edited, but not left: not in force
    dialog.focused = ID_COUNT;
    OnStartStop(dialog);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "34,29,63,46,87");
    EXPECT_EQ(Drill.Countdown, 3);
    EXPECT_TRUE(dialog.timerRunning);
    EXPECT_EQ(dialog.focused, 0);
}

TEST_F(Drilling, CountdownHidesTheSeriesAtZeroAndOnlyItsOwnTicksCount)
{
    OnTimer(dialog, TIMER_COUNTDOWN);  // idle: nothing to count
    OnStartStop(dialog);
    OnTimer(dialog, TIMER_COUNTDOWN + 1);
    OnTimer(dialog, TIMER_COUNTDOWN);
    OnTimer(dialog, TIMER_COUNTDOWN);
    EXPECT_EQ(Drill.Countdown, 1);
    OnTimer(dialog, TIMER_COUNTDOWN);
    EXPECT_EQ(Drill.Phase, DrillPhase::Recall);
    EXPECT_FALSE(dialog.timerRunning);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE] + Drill.SequenceText, "");
    EXPECT_EQ(dialog.focused, ID_ANSWER);
    OnTimer(dialog, TIMER_COUNTDOWN);  // a late tick
    EXPECT_EQ(Drill.Countdown, 0);
    EXPECT_EQ(Drill.Phase, DrillPhase::Recall);
}

TEST_F(Drilling, PraiseBringsALongerSlowerRoundAndGivingUpListsTheWholeSeries)
{
    ShowSeries();
    dialog.Type("3429");
    EXPECT_EQ(dialog.texts[ID_SEQUENCE] + "|" + dialog.texts[ID_ANSWER], "34,29,|");
    dialog.Type("63");
    EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], "4 5");
    EXPECT_EQ(dialog.focused, ID_START);

    ShowSeries();  // the same stream goes on, four values for five seconds
    dialog.Type("462");  // the 2 waits for its second digit
    dialog.hintShown = true;
    OnStartStop(dialog);
    EXPECT_EQ(dialog.boxes, (std::vector<std::string>{Praise + "34,29,63", "Вы не запомнили следующий ряд:|46,87,83,94|46,"}));
    EXPECT_FALSE(dialog.hintShown);
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE] + dialog.texts[ID_ANSWER], "");
    EXPECT_EQ(Drill.ItemCount + Drill.ShowSeconds, 4 + 5);
}

TEST_F(Drilling, FirstMatchingTextIsTakenAsTypedAndOnlyThatHidesTheHint)
{
    RecallOf({7, 72, 7, 5, 7, 12});
    const std::pair<std::string, int> steps[] = {{"7", 1}, {"7", 1}, {"2", 2}, {"0", 2}, {"7", 3}, {"05", 4}, {"17", 4}};
    for (const auto& [keys, recalled] : steps) {
        const int before = Drill.RecallIndex;
        dialog.hintShown = true;
        dialog.Type(keys);
        EXPECT_EQ(Drill.RecallIndex, recalled) << "after " << keys;
        EXPECT_EQ(dialog.hintShown, recalled == before) << "after " << keys;
    }
    dialog.Change(ID_ANSWER, "7");    // the "1" of "17" deleted
    dialog.Change(ID_ANSWER, "123");  // pasted: only two characters count
    EXPECT_EQ(dialog.boxes, std::vector{Praise + "7,72,07,05,7,12"});
    Drill.RecallIndex = 0;
    dialog.Change(ID_ANSWER, "7");  // idle: the field is read only during recall
    EXPECT_EQ(Drill.RecallIndex, 0);
}

TEST_F(Drilling, CommittedCountAndTimeShowTheValueInForce)
{
    const std::tuple<std::string, int, std::string> cases[] = {
        {"", 1, "1"}, {"0", 1, "1"}, {"00", 1, "1"}, {"05", 5, "05"}, {"123", 12, "12"}, {"99", 99, "99"},
        {"a", 49, "49"},                                       // pasted letters count by their codes
        {"9a", 99, "99"},                                      // 90 + 49 is more than a field can show
        {std::string("9") + static_cast<char>(0xD6), 1, "1"},  // 90 + 166 = 256 wraps to 0
    };
    for (const auto& [typed, taken, shown] : cases) {
        dialog.texts[ID_COUNT] = dialog.texts[ID_TIME] = typed;
        OnCountCommitted(dialog);
        OnTimeCommitted(dialog);
        EXPECT_EQ(Drill.ItemCount + Drill.ShowSeconds, 2 * taken) << typed;
        EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], shown + " " + shown) << typed;
    }
}

TEST_F(Drilling, SuccessRaisesCountAndTimeNoFurtherThanNinetyNine)
{
    Drill.ShowSeconds = 98;
    RecallOf(std::vector(MaxParameter, 0));
    for (int i = 0; i < MaxParameter; ++i)
        dialog.Type("0");
    EXPECT_EQ(dialog.boxes.size(), 1u);
    EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], "99 99");
    EXPECT_EQ(Drill.ItemCount + Drill.ShowSeconds, 99 + 99);
}

} // namespace
