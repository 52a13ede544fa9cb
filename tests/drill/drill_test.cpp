#include "drill_model.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Seen(): 301 is the sequence field, 311 the answer, 331 the count, 332 the time, 501 the start
// button, 521 "?" and 531, 532 the range buttons.
class Drilling : public ::testing::Test {
protected:
    void SetUp() override { Drill = DrillState {}; }

    RecordingDialog dialog;
};

// A fresh process whose first tick count is 1 draws the numbers 34, 29, 63, 46, 87.
TEST_F(Drilling, AFirstDrillShowsItsSeriesForItsSecondsAndGivingUpListsItAll)
{
    dialog.Focus(ID_COUNT);
    dialog.texts[ID_COUNT] = "5"; // then Enter
    dialog.OnStartStop();
    EXPECT_EQ(dialog.Seen(),
              "memorize, all of 5 in 3 s, countdown 3 | 34,29,63,46,87 |  | 5 | 3 | СТАРТ | disabled "
              "311 331 332 501 521 531 532 | focus 0 | timer | boxes 0  | expects ");
    for (int second = 0; second < 3; ++second)
        dialog.OnTimer(TIMER_COUNTDOWN);
    dialog.Type("34");
    dialog.OnStartStop();
    EXPECT_EQ(dialog.boxes, std::vector<std::string> {"Вы не запомнили следующий ряд:|34,29,63,46,87|34,"});
}

// With literal keys: the first text that matches is taken as typed, and only that hides the hint.
TEST_F(Drilling, TheFirstNumberThatMatchesIsTakenAsTypedAndOnlyThatHidesTheHint)
{
    Drill.ItemCount = 6;
    std::copy_n(std::begin({7, 72, 7, 5, 7, 12}), 6, Drill.SequenceValues);
    Drill.Phase = DrillPhase::Memorize;
    AdvancePhase(dialog);
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
    dialog.Type("12");
    EXPECT_EQ(dialog.boxes, std::vector<std::string> {"Браво!|Вы запомнили все цифры!|7,72,07,05,7,12"});
}

// Thousands of actions in any order, of the user and of other programs, on the engine and on the model
// of the rules alike: after each, and under each box, the window shows what the rules say.
TEST(Walk, TheEngineShowsWhatTheRulesSayAfterEveryAction)
{
    // What another program can send in any phase, then what the user does where the window offers it.
    const char* const actions[] = {
        "Enter", "tick",     "?",          "answer changed", "count and time left", "answer left",
        "set",   "focus to", "typed into", "keys",           "character deleted"};
    const std::vector<int> offered[] = {
        {0, 7, 8, 8, 8}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 7}, {9, 9, 9, 9, 9, 9, 9, 10, 10, 10, 2, 7, 0}};
    const std::string texts[] = {"",   "0",  "00", "05",  "1",  "2", "3",  "4",
                                 "12", "98", "99", "123", "9a", ":", " 4", "Ц"};
    const int controls[] = {0, ID_ANSWER, ID_COUNT, ID_TIME, ID_START, ID_RANGE_DIGITS, ID_RANGE_NUMBERS};
    for (std::uint32_t seed : {1u, 0u, 0x7FFFFFFFu, 3000000000u, 2024u, 77u}) {
        Drill = DrillState {};
        RecordingDialog dialog;
        DrillModel model;
        dialog.ticks = model.ticks = seed;
        std::mt19937 random(seed);
        const auto pick = [&](int choices) { return static_cast<int>(random() % choices); };
        const int giveUpOdds = seed % 2 ? 30 : 2; // a user who gives up rarely, or often
        std::string done; // the actions so far
        for (int step = 0; step < 4000 && !::testing::Test::HasFailure(); ++step) {
            const std::vector<int>& choices = offered[model.phase];
            int action = pick(12) ? choices[pick(choices.size())] : pick(7);
            if (model.phase == DrillModel::Recall && action == 0 && pick(giveUpOdds) != 0)
                action = 9;
            int control = controls[pick(7)];
            control = model.disabled.contains(control) ? 0 : control;
            const int field = pick(2) ? ID_COUNT : ID_TIME;
            const int timer = pick(4) ? TIMER_COUNTDOWN : pick(3);
            bool click = pick(2) && !model.disabled.contains(ID_START);
            std::string text = texts[pick(std::size(texts))];
            if (action == 9 && pick(4) != 0) // mostly the value expected next, with a leading 0 now and then
                text = (pick(4) ? "" : "0") + std::to_string(model.series[model.index]);
            done += std::string("\n  ") + actions[action] + " " + std::to_string(action == 7 ? control : field) +
                (click ? " click" : "") + " '" + text + "'";
            const auto act = [&](auto& side, int action) {
                std::string answer = side.texts[ID_ANSWER];
                switch (action) {
                case 0:
                    return (click ? side.Focus(ID_START) : void()), side.OnStartStop();
                case 1:
                    return side.OnTimer(timer);
                case 2:
                    return side.OnHintClicked();
                case 3:
                    return side.OnAnswerChanged();
                case 4:
                    return side.OnCountCommitted(), side.OnTimeCommitted();
                case 5:
                    return side.OnAnswerLostFocus();
                case 6:
                    return side.Change(click ? ID_ANSWER : field, text);
                case 7: // a range button is chosen as it takes the focus
                    side.numbersMode = control == ID_RANGE_NUMBERS || (control != ID_RANGE_DIGITS && side.numbersMode);
                    return side.Focus(control);
                case 8:
                    return side.Focus(field), side.Change(field, text);
                case 9:
                    return side.Focus(ID_ANSWER), side.Type(text);
                default: // the first or the last character
                    return side.Change(ID_ANSWER, answer.erase(click || answer.empty() ? 0 : answer.size() - 1, 1));
                }
            };
            dialog.whileBoxOpen = [&] {
                click = false;
                for (int posted = 0; posted < 6; ++posted) {
                    EXPECT_EQ(dialog.Seen(), model.seenUnderBox) << "under the box, before " << actions[posted];
                    act(dialog, posted);
                }
            };
            act(model, action);
            act(dialog, action);
            ASSERT_EQ(dialog.Seen(), model.Seen())
                << "seed " << seed << ", step " << step
                << ", the last actions:" << done.substr(done.size() > 600 ? done.size() - 600 : 0);
        }
    }
}

} // namespace
