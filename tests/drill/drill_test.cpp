#include "drill_model.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A fresh process whose first tick count is 1 draws the numbers 34, 29, 63, 46, 87.
TEST(Drill, AFirstDrillShowsItsSeriesAndGivingUpListsItAll)
{
    Drill = DrillState {};
    RecordingDialog dialog;
    dialog.Focus(ID_COUNT);
    dialog.texts[ID_COUNT] = "5"; // then Enter
    dialog.OnStartStop();
    EXPECT_EQ(dialog.texts[ID_SEQUENCE], "34,29,63,46,87");
    for (int second = 0; second < 3; ++second)
        dialog.OnTimer(TIMER_COUNTDOWN);
    dialog.Type("34");
    dialog.OnStartStop();
    EXPECT_EQ(dialog.boxes, std::vector<std::string> {"Вы не запомнили следующий ряд:|34,29,63,46,87|34,"});
}

// Thousands of actions in any order, of the user and of other programs, on the engine and on the model
// of the rules alike: after each, and under each box, the window shows what the rules say.
TEST(Drill, ShowsWhatTheRulesSayAfterEveryActionOfAWalk)
{
    const std::string texts[] = {"",   "0",  "00", "05",  "1",  "2", "3",  "4",
                                 "12", "98", "99", "123", "9a", ":", " 4", "Ц"};
    const int controls[] = {0, ID_ANSWER, ID_COUNT, ID_TIME, ID_START, ID_RANGE_DIGITS, ID_RANGE_NUMBERS};
    // By phase, what the user does where the window offers it (indexes of the actions below).
    const std::vector<int> offered[] = {
        {0, 5, 6, 6, 6}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 5}, {7, 7, 7, 7, 7, 7, 7, 8, 8, 8, 2, 5, 0}};
    for (std::uint32_t seed : {1u, 0u, 0x7FFFFFFFu, 3000000000u, 2024u, 77u}) {
        Drill = DrillState {};
        RecordingDialog dialog;
        DrillModel model;
        dialog.ticks = model.ticks = seed;
        std::mt19937 random(seed);
        const auto pick = [&](int choices) { return static_cast<int>(random() % choices); };
        int control = 0;
        int field = 0;
        std::uintptr_t timer = 0;
        bool click = false;
        std::string text;
        // The first five can come from another program in any phase.
        const auto act = [&](auto& side, int action) {
            std::string answer = side.texts[ID_ANSWER];
            switch (action) {
            case 0:
                return (click ? side.Focus(ID_START) : void()), side.OnStartStop();
            case 1:
                return side.OnTimer(timer);
            case 2:
                return side.OnHintClicked();
            case 3: // notifications
                return side.OnAnswerChanged(), side.OnCountCommitted(), side.OnTimeCommitted(),
                       side.OnAnswerLostFocus();
            case 4:
                return side.Change(click ? ID_ANSWER : field, text);
            case 5: // a range button is chosen as it takes the focus
                side.numbersMode = control == ID_RANGE_NUMBERS || (control != ID_RANGE_DIGITS && side.numbersMode);
                return side.Focus(control);
            case 6:
                return side.Focus(field), side.Change(field, text);
            case 7:
                return side.Focus(ID_ANSWER), side.Type(text);
            default: // the first or the last character deleted
                return side.Change(ID_ANSWER, answer.erase(click || answer.empty() ? 0 : answer.size() - 1, 1));
            }
        };
        const char* const names[] = {"Enter", "tick", "?", "notified", "set", "focus", "typed", "keys", "deleted"};
        const int giveUpOdds = seed % 2 ? 30 : 2; // a user who gives up rarely, or often
        std::string done; // the actions so far
        for (int step = 0; step < 4000 && !::testing::Test::HasFailure(); ++step) {
            const std::vector<int>& choices = offered[model.phase];
            int action = pick(12) ? choices[pick(choices.size())] : pick(5);
            if (model.phase == DrillModel::Recall && action == 0 && pick(giveUpOdds) != 0)
                action = 7;
            control = controls[pick(7)];
            control = model.disabled.contains(control) ? 0 : control;
            field = pick(2) ? ID_COUNT : ID_TIME;
            timer = pick(4) ? TIMER_COUNTDOWN : pick(3);
            click = pick(2) && !model.disabled.contains(ID_START);
            text = texts[pick(std::size(texts))];
            // Mostly the value expected next, now and then with a leading 0, or pasted as text that reads as it.
            if (const int value = action == 7 ? model.series[model.index] : 0; action == 7 && pick(4) != 0)
                text = pick(8) ? (pick(4) ? "" : "0") + std::to_string(value)
                               : std::string {char('1' + value / 10), char('&' + value % 10)};
            done += std::string("\n  ") + names[action] + " " + std::to_string(action == 5 ? control : field) +
                (click ? " click '" : " '") + text + "'";
            dialog.whileBoxOpen = [&] {
                click = false;
                for (int posted = 0; posted < 4; ++posted) {
                    EXPECT_EQ(dialog.Seen(), model.seenUnderBox)
                        << "seed " << seed << ", step " << step << ", under the box, before " << names[posted];
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
