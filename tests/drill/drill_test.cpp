#include "recording_dialog.h"

#include <gtest/gtest.h>

namespace {

// A fresh process whose first tick count is 1: it draws the numbers 34, 29, 63, 46, 87, 83, 94.
// Seen(): 301 is the sequence field, 311 the answer, 331 the count, 332 the time, 501 the start
// button, 521 "?" and 531, 532 the range buttons.
class Drilling : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState {}; }
    // Recall of a series of the test's own choosing.
    void RecallOf(std::vector<int> values)
    {
        Drill.ItemCount = static_cast<std::uint8_t>(values.size());
        std::copy(values.begin(), values.end(), Drill.SequenceValues);
        Drill.Phase = DrillPhase::Memorize;
        Drill.RecallIndex = 0;
        AdvancePhase(dialog);
    }

    RecordingDialog dialog;
};

// The first number that matches is taken as typed. A paste gets past the field's digits-only style,
// but text that is not all digits waits in the field, untaken, though read digit by digit each
// of these would make the value beside it (" 4" makes 100, which no series holds).
TEST_F(Drilling, TheFirstNumberThatMatchesIsTakenAsTypedAndOnlyThatHidesTheHint)
{
    RecallOf({7, 72, 7, 5, 7, 12, 7});
    const std::pair<std::string, std::string> steps[] = {{"7", "7,"},          {"7", "7,"},       {"2", "7,72,"},
                                                         {"0", "7,72,"},       {"7", "7,72,07,"}, {"05", "7,72,07,05,"},
                                                         {"17", "7,72,07,05,"}};
    for (const auto& [keys, recalled] : steps) {
        const bool taken = recalled != dialog.texts[ID_SEQUENCE];
        dialog.hintShown = true;
        dialog.Type(keys);
        EXPECT_EQ(std::pair(dialog.texts[ID_SEQUENCE], dialog.hintShown), std::pair(recalled, !taken)) << keys;
    }
    dialog.Change(ID_ANSWER, "7"); // the "1" of "17" deleted
    dialog.Type("1207");
    EXPECT_EQ(dialog.boxes, std::vector<std::string> {"Браво!|Вы запомнили все цифры!|7,72,07,05,7,12,07"});
    for (const auto& [pasted, value] :
         {std::pair<std::string, int> {"0X", 40}, {"9\xD6", 0}, {"4 ", 24}, {" 4", 4}, {"Hv", 54}}) {
        RecallOf({value, 1});
        dialog.Change(ID_ANSWER, pasted);
        EXPECT_EQ(dialog.texts[ID_SEQUENCE] + "|" + dialog.texts[ID_ANSWER], "|" + pasted);
    }
}

// A drill, and what another program posts to the dialog or writes into a field it has disabled:
// in each phase, what the window does not offer there changes nothing. On the way, a count or time
// typed but not yet left comes into force as the drill starts, the series shows for its seconds,
// giving up shows the whole series and hides the hint, and praise brings a round one value longer
// and two seconds slower, of the same stream.
TEST_F(Drilling, ADrillMovesOnlyAsTheWindowOffersInEachPhase)
{
    const std::map<std::string, void (*)(DrillDialog&)> posted = {
        {"СТАРТ", OnStartStop},         {"count left", OnCountCommitted},
        {"time left", OnTimeCommitted}, {"answer changed", OnAnswerChanged},
        {"?", OnHintClicked},           {"tick", [](DrillDialog& target) { OnTimer(target, TIMER_COUNTDOWN); }}};
    // The other program has written 8 into count and time, and the value at the recall position
    // into the answer field; then it posts all but what the window offers.
    const auto nothingChangesByAllBut = [&](const std::set<std::string>& offered, const std::string& seen) {
        const auto texts = dialog.texts;
        dialog.texts[ID_COUNT] = dialog.texts[ID_TIME] = "8";
        dialog.texts[ID_ANSWER] = std::to_string(Drill.SequenceValues[Drill.RecallIndex]);
        EXPECT_EQ(dialog.Seen(), seen);
        for (const auto& [name, action] : posted)
            if (!offered.contains(name)) {
                action(dialog);
                EXPECT_EQ(dialog.Seen(), seen) << name;
            }
        dialog.texts = texts;
    };
    dialog.texts[ID_COUNT] = "5";
    dialog.texts[ID_TIME] = "9"; // edited, but not left: not in force
    dialog.focused = ID_COUNT;
    OnStartStop(dialog);
    nothingChangesByAllBut(
        {"tick"},
        "memorize, all of 5 in 3 s, countdown 3 | 34,29,63,46,87 | 34 | 8 | 8 | СТАРТ | disabled 311 "
        "331 332 501 521 531 532 | focus 0 | timer | boxes 0 | expects ");
    // The first tick is not the countdown's.
    for (std::uintptr_t timer : {TIMER_COUNTDOWN + 1, TIMER_COUNTDOWN, TIMER_COUNTDOWN})
        OnTimer(dialog, timer);
    EXPECT_EQ(
        dialog.Seen(),
        "memorize, all of 5 in 3 s, countdown 1 | 34,29,63,46,87 |  | 5 | 9 | СТАРТ | disabled 311 331 332 501 521 "
        "531 532 | focus 0 | timer | boxes 0 | expects ");
    OnTimer(dialog, TIMER_COUNTDOWN);
    OnHintClicked(dialog);
    dialog.Focus(0); // another application is switched to, and back: the hint has gone
    dialog.Focus(ID_ANSWER);
    nothingChangesByAllBut({"СТАРТ", "answer changed", "?"},
                           "recall, 0 of 5 in 3 s, icon |  | 34 | 8 | 8 | ОСТАНОВИТЬ | disabled 331 332 531 "
                           "532 | focus 311 | boxes 0 | expects 34");
    dialog.Type("34");
    dialog.Type("29");
    dialog.hintShown = true;
    dialog.whileBoxOpen = [&] {
        nothingChangesByAllBut({},
                               "recall, 2 of 5 in 3 s, icon | 34,29, | 63 | 8 | 8 | ОСТАНОВИТЬ | disabled 331 "
                               "332 531 532 | focus 311 | boxes 1 | expects ");
    };
    OnStartStop(dialog); // gives up
    dialog.texts[ID_COUNT] = "1";
    dialog.texts[ID_TIME] = "12";
    dialog.numbersMode = false; // "0..9": the next draw, 83, has the low 4 bits 3
    dialog.Focus(ID_COUNT);
    dialog.Focus(ID_TIME); // left when Enter starts the drill
    nothingChangesByAllBut(
        {"СТАРТ", "count left", "time left"},
        "idle, all of 1 in 3 s, icon |  | 34 | 8 | 8 | СТАРТ | disabled 311 521 | focus 332 | boxes 1 | expects ");
    OnStartStop(dialog);
    for (int left = 12; left > 0; --left) { // each second drawn, with one figure or two
        EXPECT_NE(dialog.Seen().find(", countdown " + std::to_string(left) + " |"), std::string::npos) << left;
        OnTimer(dialog, TIMER_COUNTDOWN);
    }
    OnHintClicked(dialog); // the one value of the series is the last one, and "?" shows it too
    EXPECT_EQ(std::pair(dialog.hintShown, std::string(ExpectedValueText())), std::pair(true, std::string("3")));
    dialog.whileBoxOpen = [&] {
        nothingChangesByAllBut({},
                               "recall, 1 of 1 in 12 s, icon | 3 | 29 | 8 | 8 | ОСТАНОВИТЬ | disabled 331 332 531 532 "
                               "| focus 311 | boxes 2 | expects ");
    };
    dialog.Type("3");
    EXPECT_EQ(dialog.boxes[0], "Вы не запомнили следующий ряд:|34,29,63,46,87|34,29,");
    EXPECT_EQ(
        dialog.Seen(),
        "idle, all of 2 in 14 s, icon |  |  | 2 | 14 | СТАРТ | disabled 311 521 | focus 501 | boxes 2 | expects ");

    // After the praise a round of four numbers of the same stream, from its first value: a wrong entry
    // stays, and "?" shows the value after the one taken. The praise lengthens it by one value.
    dialog.numbersMode = true;
    dialog.texts[ID_COUNT] = "4";
    dialog.texts[ID_TIME] = "1";
    dialog.Focus(ID_COUNT);
    dialog.Focus(ID_TIME);
    OnStartStop(dialog);
    OnTimer(dialog, TIMER_COUNTDOWN);
    dialog.Type("9412");
    OnHintClicked(dialog);
    EXPECT_EQ(dialog.Seen(),
              "recall, 1 of 4 in 1 s, icon | 94, | 12 | 4 | 1 | ОСТАНОВИТЬ | disabled 331 332 531 532 | "
              "focus 311 | hint | boxes 2 | expects 86");
    dialog.Change(ID_ANSWER, "");
    dialog.Type("86024");
    EXPECT_EQ(dialog.Seen(),
              "idle, all of 5 in 3 s, icon |  |  | 5 | 3 | СТАРТ | disabled 311 521 | focus 501 | boxes 3 | expects ");
    // Given up at once, the next round: the box lists the whole series, and count and time stay.
    OnStartStop(dialog);
    for (int second = 0; second < 3; ++second)
        OnTimer(dialog, TIMER_COUNTDOWN);
    OnStartStop(dialog);
    EXPECT_EQ(dialog.boxes.back(), "Вы не запомнили следующий ряд:|18,92,81,35,9|");
    EXPECT_EQ(dialog.Seen(),
              "idle, all of 5 in 3 s, icon |  |  | 5 | 3 | СТАРТ | disabled 311 521 | focus 501 | boxes 4 | expects ");
}

TEST_F(Drilling, CountAndTimeComeIntoForceAsShownWhenLeftAndAfterSuccessNoFurtherThanNinetyNine)
{
    // Pasted, "9a" makes 90 + 49, more than a field shows, "9Ц" (0xD6 in code page 1251) 90 + 166 = 256,
    // which wraps to 0, and ":" 58 - 48 = 10, a number in range that the field shows instead of the colon.
    const std::tuple<std::string, int, std::string> cases[] = {{"", 1, "1"},      {"00", 1, "1"},   {"05", 5, "05"},
                                                               {"123", 12, "12"}, {"9a", 99, "99"}, {"9\xD6", 1, "1"},
                                                               {":", 10, "10"},   {"98", 98, "98"}};
    for (const auto& [typed, taken, shown] : cases) {
        dialog.texts[ID_COUNT] = dialog.texts[ID_TIME] = typed;
        for (int control : {ID_COUNT, ID_TIME, 0}) // each left in turn
            dialog.Focus(control);
        EXPECT_EQ(std::tuple(+Drill.ItemCount, +Drill.ShowSeconds, dialog.texts[ID_COUNT], dialog.texts[ID_TIME]),
                  std::tuple(taken, taken, shown, shown))
            << typed;
    }
    RecallOf(std::vector(99, 0));
    dialog.Type(std::string(99, '0'));
    EXPECT_EQ(dialog.texts[ID_COUNT] + "|" + dialog.texts[ID_TIME], "99|99");
}

} // namespace
