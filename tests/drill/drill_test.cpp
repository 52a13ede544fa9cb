#include "recording_dialog.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

using Log = std::vector<std::string>;

class DrillTest : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState{}; }

    // Seed 1 in numbers mode draws 34, 29, 63 for a count of 3.
    void StartDrill()
    {
        dialog.focused = ID_START;
        OnStartStop(dialog);
    }
    void RunCountdown()
    {
        while (Drill.Phase == DrillPhase::Memorize)
            OnTimer(dialog, TIMER_COUNTDOWN);
    }
    // Recall of a series of the test's own choosing.
    void RecallOf(std::initializer_list<int> values)
    {
        Drill.ItemCount = static_cast<std::uint8_t>(values.size());
        int i = 0;
        for (int value : values)
            Drill.SequenceValues[i++] = static_cast<std::uint8_t>(value);
        Drill.Phase = DrillPhase::Memorize;
        AdvancePhase(dialog);
        dialog.log.clear();
    }
    Log Since(std::size_t mark) const { return Log(dialog.log.begin() + mark, dialog.log.end()); }

    RecordingDialog dialog;
};

TEST_F(DrillTest, StartLocksTheSetupThenShowsAFreshSeriesAndStartsTheCountdown)
{
    StartDrill();
    EXPECT_EQ(dialog.log, (Log{"disable 331", "disable 332", "disable 531", "disable 532", "disable 501",
                               "hide icon", "text 301 34,29,63", "start timer"}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Memorize);
    EXPECT_EQ(Drill.Countdown, 3);
}

TEST_F(DrillTest, DigitsModeComesFromTheRangeChoice)
{
    dialog.numbersMode = false;
    StartDrill();
    EXPECT_STREQ(Drill.SequenceText, "5,2,8");
}

TEST_F(DrillTest, CountTypedAndStartedWithoutLeavingTheFieldIsUsed)
{
    dialog.texts[ID_COUNT] = "5";
    dialog.focused = ID_COUNT;
    OnStartStop(dialog);
    EXPECT_EQ(Drill.ItemCount, 5);
    EXPECT_EQ(std::string(Drill.SequenceText), "34,29,63,46,87");
    // The commit happens while the field is being disabled, before the series is drawn.
    EXPECT_EQ(Log(dialog.log.begin(), dialog.log.begin() + 3), (Log{"disable 331", "text 331 5", "disable 332"}));
}

TEST_F(DrillTest, CountdownRepaintsEachSecondThenRecallBegins)
{
    StartDrill();
    const std::size_t mark = dialog.log.size();
    OnTimer(dialog, 2);  // not ours
    EXPECT_EQ(Drill.Countdown, 3);
    OnTimer(dialog, TIMER_COUNTDOWN);
    OnTimer(dialog, TIMER_COUNTDOWN);
    EXPECT_EQ(Drill.Countdown, 1);
    EXPECT_EQ(Drill.Phase, DrillPhase::Memorize);
    OnTimer(dialog, TIMER_COUNTDOWN);
    EXPECT_EQ(Since(mark), (Log{"invalidate digits", "invalidate digits", "stop timer", "enable 311", "enable 521",
                                "enable 501", "text 501 ОСТАНОВИТЬ", "show icon", "text 301 <clear>",
                                "focus 311", "invalidate progress"}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Recall);
    EXPECT_EQ(Drill.RecallIndex, 0);
    EXPECT_STREQ(Drill.SequenceText, "");
    EXPECT_FALSE(dialog.timerRunning);
}

TEST_F(DrillTest, WholeSeriesRecalledEarnsPraiseAndALongerSlowerRound)
{
    StartDrill();
    RunCountdown();
    dialog.Type("34");
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "34,");
    EXPECT_EQ(dialog.texts[ID_ANSWER], "");
    dialog.Type("29");
    EXPECT_EQ(Drill.RecallIndex, 2);
    const std::size_t mark = dialog.log.size();
    dialog.Type("63");

    EXPECT_EQ(dialog.messagesShown, (Log{"Браво! | Вы запомнили все цифры! | sequence field: 34,29,63"}));
    EXPECT_EQ(Since(mark), (Log{"hide hint", "invalidate progress", "text 301 34,29,63",
                                "message Браво! | Вы запомнили все цифры!", "text 331 4", "text 332 5",
                                "enable 331", "enable 332", "enable 531", "enable 532", "disable 311", "hide hint",
                                "disable 521", "text 501 СТАРТ", "text 301 <clear>", "text 311 <clear>",
                                "focus 501", "invalidate progress"}));
    EXPECT_EQ(Drill.ItemCount, 4);
    EXPECT_EQ(Drill.ShowSeconds, 5);
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);

    // The next drill continues the stream with four values shown for five seconds.
    StartDrill();
    EXPECT_EQ(Drill.Countdown, 5);
    EXPECT_STREQ(Drill.SequenceText, "46,87,83,94");
}

TEST_F(DrillTest, GivingUpListsTheWholeSeriesWhileTheFieldKeepsWhatWasRecalled)
{
    StartDrill();
    RunCountdown();
    dialog.Type("34");
    dialog.Type("2");  // waits for its second digit
    const std::size_t mark = dialog.log.size();
    OnStartStop(dialog);

    EXPECT_EQ(dialog.messagesShown, (Log{"Вы не запомнили следующий ряд: | 34,29,63 | sequence field: 34,"}));
    EXPECT_EQ(Log(dialog.log.begin() + mark, dialog.log.begin() + mark + 2),
              (Log{"hide hint", "message Вы не запомнили следующий ряд: | 34,29,63"}));
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "");
    EXPECT_EQ(dialog.texts[ID_ANSWER], "");
    EXPECT_EQ(Drill.ItemCount, 3);
    EXPECT_EQ(Drill.ShowSeconds, 3);
}

TEST_F(DrillTest, GivingUpAtOnceListsTheSeries)
{
    StartDrill();
    RunCountdown();
    OnStartStop(dialog);
    EXPECT_EQ(dialog.messagesShown, (Log{"Вы не запомнили следующий ряд: | 34,29,63 | sequence field: "}));
}

TEST_F(DrillTest, FirstMatchingTextIsTaken)
{
    RecallOf({7, 72, 7, 5, 7});
    dialog.Type("7");
    EXPECT_EQ(Drill.RecallIndex, 1);
    dialog.Type("7");
    EXPECT_EQ(Drill.RecallIndex, 1);  // "7" waits for 72
    dialog.Type("2");
    EXPECT_EQ(Drill.RecallIndex, 2);
    dialog.Type("0");
    EXPECT_EQ(Drill.RecallIndex, 2);  // "0" waits
    dialog.Type("7");
    EXPECT_EQ(Drill.RecallIndex, 3);
    dialog.Type("05");
    EXPECT_EQ(Drill.RecallIndex, 4);
    dialog.Type("17");
    EXPECT_EQ(Drill.RecallIndex, 4);
    dialog.DeleteFirst();  // "7" is left, and taken
    EXPECT_EQ(Drill.RecallIndex, 5);
    // Values are kept as typed.
    EXPECT_EQ(dialog.messagesShown.at(0), "Браво! | Вы запомнили все цифры! | sequence field: 7,72,07,05,7");
}

TEST_F(DrillTest, WrongEntryChangesNothingUntilCorrected)
{
    RecallOf({4, 9});
    dialog.Type("3");
    dialog.Backspace();
    dialog.Type("8");
    EXPECT_EQ(Drill.RecallIndex, 0);
    EXPECT_EQ(dialog.texts[ID_ANSWER], "8");
    EXPECT_EQ(dialog.log, (Log{}));  // no message, no repaint, no hint change
    dialog.Backspace();
    dialog.Type("4");
    EXPECT_EQ(Drill.RecallIndex, 1);
}

TEST_F(DrillTest, OnlyTheFirstTwoCharactersOfAnAnswerCount)
{
    RecallOf({12, 3});
    dialog.texts[ID_ANSWER] = "123";  // pasted
    OnAnswerChanged(dialog);
    EXPECT_EQ(Drill.RecallIndex, 1);
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "12,");
}

TEST_F(DrillTest, AnswersOutsideRecallAreIgnored)
{
    dialog.texts[ID_ANSWER] = "0";
    OnAnswerChanged(dialog);
    EXPECT_EQ(Drill.RecallIndex, 0);
    EXPECT_EQ(dialog.log, (Log{}));
}

TEST_F(DrillTest, AnswerLosingFocusHidesTheHint)
{
    RecallOf({1, 2});
    dialog.Focus(ID_START);
    EXPECT_EQ(dialog.log, (Log{"focus 501", "hide hint"}));
}

TEST_F(DrillTest, SingleValueSeries)
{
    RecallOf({0});
    dialog.Type("0");
    EXPECT_EQ(dialog.messagesShown, (Log{"Браво! | Вы запомнили все цифры! | sequence field: 0"}));
    EXPECT_EQ(Drill.ItemCount, 2);
}

struct CommitCase {
    const char* typed;
    int taken;
    const char* shown;
};

TEST_F(DrillTest, CommittedCountAndTimeShowTheValueInForce)
{
    const CommitCase cases[] = {
        {"", 1, "1"},      {"0", 1, "1"},     {"00", 1, "1"},    {"05", 5, "05"}, {"7", 7, "7"},
        {"123", 12, "12"}, {"99", 99, "99"},  {"a", 49, "49"},   // pasted letters count by their codes
        {"9a", 99, "99"},  // 90 + 49 = 139 is over the most a field can show
    };
    for (const auto& [typed, taken, shown] : cases) {
        dialog.texts[ID_COUNT] = typed;
        OnCountCommitted(dialog);
        EXPECT_EQ(Drill.ItemCount, taken) << '"' << typed << '"';
        EXPECT_EQ(dialog.texts[ID_COUNT], shown) << '"' << typed << '"';

        dialog.texts[ID_TIME] = typed;
        OnTimeCommitted(dialog);
        EXPECT_EQ(Drill.ShowSeconds, taken) << '"' << typed << '"';
        EXPECT_EQ(dialog.texts[ID_TIME], shown) << '"' << typed << '"';
    }
}

TEST_F(DrillTest, PastedTextWhoseValueWrapsToZeroTakesOne)
{
    // "9" and the byte 0xD6 (214 - 48 = 166): 90 + 166 = 256, whose low byte is 0.
    dialog.texts[ID_COUNT] = std::string("9") + static_cast<char>(0xD6);
    OnCountCommitted(dialog);
    EXPECT_EQ(Drill.ItemCount, 1);
    EXPECT_EQ(dialog.texts[ID_COUNT], "1");
}

TEST_F(DrillTest, EditedFieldKeepsThePreviousValueUntilCommitted)
{
    dialog.texts[ID_TIME] = "9";
    StartDrill();
    EXPECT_EQ(Drill.Countdown, 3);
}

TEST_F(DrillTest, CountAndTimeStopAtNinetyNine)
{
    Drill.ShowSeconds = 98;
    RecallOf({1});
    Drill.ItemCount = 1;
    dialog.Type("1");
    EXPECT_EQ(Drill.ShowSeconds, 99);
    EXPECT_EQ(dialog.texts[ID_TIME], "99");

    Drill.ItemCount = 99;
    Drill.ShowSeconds = 99;
    dialog.log.clear();
    StartDrill();
    RunCountdown();
    for (int i = 0; i < 99; ++i)
        dialog.Type(std::to_string(Drill.SequenceValues[i]));
    EXPECT_EQ(Drill.Phase, DrillPhase::Idle);
    EXPECT_EQ(Drill.ItemCount, 99);
    EXPECT_EQ(Drill.ShowSeconds, 99);
    EXPECT_EQ(dialog.texts[ID_COUNT], "99");
    EXPECT_EQ(dialog.texts[ID_TIME], "99");
    EXPECT_EQ(std::count(dialog.log.begin(), dialog.log.end(), "invalidate digits"), 98);
}

} // namespace
