#include "recording_dialog.h"

#include <gtest/gtest.h>

namespace {

const std::string Praise = "Браво!|Вы запомнили все цифры!|", GiveUp = "Вы не запомнили следующий ряд:|";

// A fresh process whose first tick count is 1: it draws the numbers 34, 29, 63, 46, 87, 83, 94.
// Seen(): 301 is the sequence field, 311 the answer, 331 the count, 332 the time, 501 the start
// button, 521 "?" and 531, 532 the range buttons.
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
    void ShowSeries()
    {
        OnStartStop(dialog);
        while (Drill.Phase == DrillPhase::Memorize)
            OnTimer(dialog, TIMER_COUNTDOWN);
    }

    RecordingDialog dialog;
};

TEST_F(Drilling, TheSeriesOfTheCountBeingTypedShowsForItsSecondsThenHides)
{
    dialog.texts[ID_COUNT] = "5";
    dialog.texts[ID_TIME] = "9";  // edited, but not left: not in force
    dialog.focused = ID_COUNT;
    OnStartStop(dialog);
    EXPECT_EQ(dialog.Seen(), "memorize, 0 of 5 in 3 s, countdown 3 | 34,29,63,46,87 |  | 5 | 9 | СТАРТ | disabled 311 331 332 501 521 531 532 | focus 0 | timer | boxes 0 | expects ");
    for (std::uintptr_t timer : {TIMER_COUNTDOWN + 1, TIMER_COUNTDOWN, TIMER_COUNTDOWN})  // the first not the countdown's
        OnTimer(dialog, timer);
    EXPECT_EQ(dialog.Seen(), "memorize, 0 of 5 in 3 s, countdown 1 | 34,29,63,46,87 |  | 5 | 9 | СТАРТ | disabled 311 331 332 501 521 531 532 | focus 0 | timer | boxes 0 | expects ");
    OnTimer(dialog, TIMER_COUNTDOWN);
    OnTimer(dialog, TIMER_COUNTDOWN);  // a late tick changes nothing
    EXPECT_EQ(dialog.Seen(), "recall, 0 of 5 in 3 s, countdown 0 |  |  | 5 | 9 | ОСТАНОВИТЬ | disabled 331 332 531 532 | focus 311 | boxes 0 | expects 34");
}

TEST_F(Drilling, PraiseBringsALongerSlowerRoundAndGivingUpShowsTheWholeSeries)
{
    for (const char* typed : {"342963", "462"}) {  // the same stream goes on; "2" waits for its second digit
        ShowSeries();
        dialog.hintShown = true;
        dialog.Type(typed);
    }
    OnStartStop(dialog);
    EXPECT_EQ(dialog.boxes, (std::vector<std::string>{Praise + "34,29,63", GiveUp + "46,87,83,94|46,"}));
    EXPECT_EQ(dialog.Seen(), "idle, 0 of 4 in 5 s, countdown 0 |  |  | 4 | 5 | СТАРТ | disabled 311 521 | focus 501 | boxes 2 | expects ");
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

// A paste gets past the field's digits-only style. Read digit by digit, each of these texts
// would make the value beside it (" 4" makes 100, which no series holds).
TEST_F(Drilling, APastedAnswerThatIsNotANumberWaitsInTheFieldUntaken)
{
    const std::pair<std::string, int> pastes[] = {{"0X", 40}, {"9Ц", 0}, {"4 ", 24}, {" 4", 4}, {"Hv", 54}};
    for (const auto& [pasted, value] : pastes) {
        RecallOf({value, 1});
        dialog.Change(ID_ANSWER, pasted);
        EXPECT_EQ(dialog.texts[ID_SEQUENCE] + "|" + dialog.texts[ID_ANSWER], "|" + pasted);
        dialog.Change(ID_ANSWER, "");
        dialog.Type(std::to_string(value));
        EXPECT_EQ(dialog.texts[ID_SEQUENCE], std::to_string(value) + ",") << pasted;
    }
}

// Another program can post any command to the dialog and write into a field it has disabled:
// in each phase, what the window does not offer there changes nothing.
TEST_F(Drilling, WhatTheWindowDoesNotOfferInAPhaseChangesNothing)
{
    const std::map<std::string, std::function<void()>> posted = {
        {"СТАРТ", [&] { OnStartStop(dialog); }},      {"count left", [&] { OnCountCommitted(dialog); }},
        {"time left", [&] { OnTimeCommitted(dialog); }}, {"answer changed", [&] { OnAnswerChanged(dialog); }},
        {"?", [&] { OnHintClicked(dialog); }}};
    // The other program has written 8 into count and time, and the value at the recall position
    // into the answer field.
    const auto nothingChangesBy = [&](const std::vector<std::string>& actions, const std::string& seen) {
        const auto texts = dialog.texts;
        dialog.texts[ID_COUNT] = dialog.texts[ID_TIME] = "8";
        dialog.texts[ID_ANSWER] = std::to_string(Drill.SequenceValues[Drill.RecallIndex]);
        EXPECT_EQ(dialog.Seen(), seen);
        for (const auto& action : actions) {
            posted.at(action)();
            EXPECT_EQ(dialog.Seen(), seen) << action;
        }
        dialog.texts = texts;
    };
    const std::vector<std::string> all = {"СТАРТ", "count left", "time left", "answer changed", "?"};
    OnStartStop(dialog);
    nothingChangesBy(all, "memorize, 0 of 3 in 3 s, countdown 3 | 34,29,63 | 34 | 8 | 8 | СТАРТ | disabled 311 331 332 501 521 531 532 | focus 0 | timer | boxes 0 | expects ");
    ShowSeries();
    dialog.Type("34");
    nothingChangesBy({"count left", "time left"}, "recall, 1 of 3 in 3 s, countdown 0 | 34, | 29 | 8 | 8 | ОСТАНОВИТЬ | disabled 331 332 531 532 | focus 311 | boxes 0 | expects 29");
    dialog.Type("29");
    dialog.whileBoxOpen = [&] {
        nothingChangesBy(all, "recall, 2 of 3 in 3 s, countdown 0 | 34,29, | 63 | 8 | 8 | ОСТАНОВИТЬ | disabled 331 332 531 532 | focus 311 | boxes 1 | expects ");
    };
    OnStartStop(dialog);  // gives up
    dialog.texts[ID_COUNT] = "1";
    dialog.Focus(ID_COUNT);
    dialog.Focus(ID_START);
    nothingChangesBy({"answer changed", "?"}, "idle, 0 of 1 in 3 s, countdown 0 |  | 34 | 8 | 8 | СТАРТ | disabled 311 521 | focus 501 | boxes 1 | expects ");
    ShowSeries();
    dialog.whileBoxOpen = [&] {
        nothingChangesBy(all, "recall, 1 of 1 in 3 s, countdown 0 | 46 | 29 | 8 | 8 | ОСТАНОВИТЬ | disabled 331 332 531 532 | focus 311 | boxes 2 | expects ");
    };
    dialog.Type("46");
    EXPECT_EQ(dialog.Seen(), "idle, 0 of 2 in 5 s, countdown 0 |  |  | 2 | 5 | СТАРТ | disabled 311 521 | focus 501 | boxes 2 | expects ");
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
        EXPECT_EQ(std::make_tuple(+Drill.ItemCount, +Drill.ShowSeconds, dialog.texts[ID_COUNT], dialog.texts[ID_TIME]),
                  std::make_tuple(taken, taken, shown, shown)) << typed;
    }
    RecallOf(std::vector(98, 0));
    dialog.Type(std::string(98, '0'));
    EXPECT_EQ(dialog.boxes.size(), 1u);
    EXPECT_EQ(dialog.texts[ID_COUNT] + " " + dialog.texts[ID_TIME], "99 99");
}

} // namespace
