#include "recording_dialog.h"

#include <gtest/gtest.h>

namespace {

const std::string GiveUp = "Вы не запомнили следующий ряд:";
const std::string Praise = "Браво! | Вы запомнили все цифры!";

class Drilling : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }

    // Seed 1 in numbers mode draws 34, 29, 63 for a count of 3.
    void ShowSeries()
    {
        OnStartStop(dialog);
        RunCountdown();
    }
    void RunCountdown()
    {
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
        dialog.log.clear();
    }
    Log Since(std::size_t mark) const { return {dialog.log.begin() + mark, dialog.log.end()}; }

    RecordingDialog dialog;
};

TEST_F(Drilling, StartLocksTheSetupThenShowsAFreshSeriesAndStartsTheCountdown)
{
    OnStartStop(dialog);
    EXPECT_EQ(dialog.log, (Log{"disable 331", "disable 332", "disable 531", "disable 532", "disable 501", "hide icon",
                               "text 301 34,29,63", "start timer"}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Memorize);
    EXPECT_EQ(Drill.Countdown, 3);

    Drill = DrillState{};
    dialog.numbersMode = false;
    OnStartStop(dialog);
    EXPECT_STREQ(Drill.SequenceText, "5,2,8");
}

TEST_F(Drilling, CountTypedAndStartedWithoutLeavingTheFieldIsUsed)
{
    dialog.texts[ID_COUNT] = "5";
    dialog.texts[ID_TIME] = "9";  // edited elsewhere but not committed: not in force
    dialog.focused = ID_COUNT;
    OnStartStop(dialog);
    EXPECT_EQ(Log(dialog.log.begin(), dialog.log.begin() + 3), (Log{"disable 331", "text 331 5", "disable 332"}));
    EXPECT_STREQ(Drill.SequenceText, "34,29,63,46,87");
    EXPECT_EQ(Drill.Countdown, 3);
}

TEST_F(Drilling, CountdownRepaintsEachSecondThenRecallBegins)
{
    OnStartStop(dialog);
    const std::size_t mark = dialog.log.size();
    OnTimer(dialog, TIMER_COUNTDOWN + 1);  // not ours
    RunCountdown();
    EXPECT_EQ(Since(mark), (Log{"invalidate digits", "invalidate digits", "stop timer", "enable 311", "enable 521",
                                "enable 501", "text 501 ОСТАНОВИТЬ", "show icon", "text 301 <clear>", "focus 311",
                                "invalidate progress"}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Recall);
    EXPECT_STREQ(Drill.SequenceText, "");
}

TEST_F(Drilling, WholeSeriesRecalledEarnsPraiseAndALongerSlowerRound)
{
    ShowSeries();
    dialog.Type("34");
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "34,");
    EXPECT_EQ(dialog.texts[ID_ANSWER], "");
    dialog.Type("29");
    const std::size_t mark = dialog.log.size();
    dialog.Type("63");
    EXPECT_EQ(dialog.boxes, (Log{Praise + " | 34,29,63"}));
    // Disabling the focused answer field takes its focus, which hides the hint once more.
    EXPECT_EQ(Since(mark), (Log{"hide hint", "invalidate progress", "text 301 34,29,63", "message Браво!",
                                "text 331 4", "text 332 5", "enable 331", "enable 332", "enable 531", "enable 532",
                                "disable 311", "hide hint", "disable 521", "text 501 СТАРТ", "text 301 <clear>",
                                "text 311 <clear>", "focus 501", "invalidate progress"}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);

    OnStartStop(dialog);  // the same stream goes on, four values for five seconds
    EXPECT_STREQ(Drill.SequenceText, "46,87,83,94");
    EXPECT_EQ(Drill.Countdown, 5);
}

TEST_F(Drilling, GivingUpListsTheWholeSeriesWhileTheFieldKeepsWhatWasRecalled)
{
    ShowSeries();
    OnStartStop(dialog);
    ShowSeries();
    dialog.Type("46");
    dialog.Type("8");  // waits for its second digit
    const std::size_t mark = dialog.log.size();
    OnStartStop(dialog);
    EXPECT_EQ(dialog.boxes, (Log{GiveUp + " | 34,29,63 | ", GiveUp + " | 46,87,83 | 46,"}));
    EXPECT_EQ(Log(dialog.log.begin() + mark, dialog.log.begin() + mark + 2), (Log{"hide hint", "message " + GiveUp}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE] + dialog.texts[ID_ANSWER], "");
    EXPECT_EQ(Drill.ItemCount, 3);
    EXPECT_EQ(Drill.ShowSeconds, 3);
}

TEST_F(Drilling, FirstMatchingTextIsTakenAsTyped)
{
    RecallOf({7, 72, 7, 5, 7, 12});
    const std::pair<std::string, int> steps[] = {{"7", 1}, {"7", 1}, {"2", 2}, {"0", 2}, {"7", 3}, {"05", 4}, {"17", 4}};
    for (const auto& [keys, recalled] : steps) {
        dialog.Type(keys);
        EXPECT_EQ(Drill.RecallIndex, recalled) << "after " << keys;
    }
    dialog.Change(ID_ANSWER, "7");  // the "1" of "17" deleted
    dialog.Change(ID_ANSWER, "123");  // pasted: only two characters count
    EXPECT_EQ(dialog.boxes, (Log{Praise + " | 7,72,07,05,7,12"}));
}

TEST_F(Drilling, WrongOrStrayEntriesChangeNothing)
{
    RecallOf({4, 9});
    dialog.Type("3");
    dialog.Change(ID_ANSWER, "");
    dialog.Type("8");
    EXPECT_EQ(Drill.RecallIndex, 0);
    EXPECT_EQ(dialog.log, Log{});  // no message, no repaint, no hint change
    dialog.Focus(ID_START);
    EXPECT_EQ(dialog.log, (Log{"focus 501", "hide hint"}));

    Drill.Phase = DrillPhase::Idle;  // the field is only read during recall
    dialog.Change(ID_ANSWER, "4");
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
        EXPECT_EQ(Drill.ItemCount, taken) << typed;
        EXPECT_EQ(Drill.ShowSeconds, taken) << typed;
        EXPECT_EQ(dialog.texts[ID_COUNT], shown) << typed;
        EXPECT_EQ(dialog.texts[ID_TIME], shown) << typed;
    }
}

TEST_F(Drilling, CountAndTimeStopAtNinetyNine)
{
    Drill.ShowSeconds = 98;
    RecallOf({1});
    dialog.Type("1");
    EXPECT_EQ(dialog.texts[ID_TIME], "99");

    Drill.ItemCount = 99;
    OnStartStop(dialog);
    dialog.log.clear();
    RunCountdown();
    EXPECT_EQ(std::count(dialog.log.begin(), dialog.log.end(), "invalidate digits"), 98);
    for (int i = 0; i < 99; ++i)
        dialog.Type(std::to_string(Drill.SequenceValues[i]));
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);
    EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], "99 99");
    EXPECT_EQ(Drill.ItemCount + Drill.ShowSeconds, 99 + 99);
}

} // namespace
