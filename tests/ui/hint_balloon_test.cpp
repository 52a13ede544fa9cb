#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

namespace {

// Whether the balloon shows the value: its body on the screen is a clean body with the value written on it.
bool Shows(DialogSession& session, int value)
{
    bool shows = false;
    session.Run([&] {
        UpdateWindow(Ui.Balloon);
        const HDC screen = GetDC(Ui.Balloon), clean = CreateCompatibleDC(screen);
        const HGDIOBJ kept = SelectObject(clean, CreateCompatibleBitmap(screen, 50, 40));
        PatBlt(clean, 0, 0, 50, 40, WHITENESS);
        SetBkMode(clean, TRANSPARENT);
        SetTextColor(clean, LabelColour);
        RECT body = {0, 18, 50, 40};
        DrawTextA(clean, std::to_string(value).c_str(), -1, &body, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        shows = IsWindowVisible(Ui.Balloon);
        for (int y = 20; y < 38; ++y)  // inside the outline
            for (int x = 3; x < 47; ++x)
                shows = shows && GetPixel(screen, x, y) == GetPixel(clean, x, y);
        DeleteObject(SelectObject(clean, kept));
        DeleteDC(clean);
        ReleaseDC(Ui.Balloon, screen);
    });
    return shows;
}

TEST(HintBalloon, ShowsTheValueExpectedNextUntilTheAnswerMovesOn)
{
    DialogSession session;
    // A fixed seed whose series starts with two different values, so that a stale picture shows.
    Drill.RngState = 1;
    ASSERT_TRUE(session.ReachRecall());
    ASSERT_NE(Drill.SequenceValues[0], Drill.SequenceValues[1]);
    session.Click(ID_HINT);
    EXPECT_TRUE(Shows(session, Drill.SequenceValues[0]));
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));
    RECT balloon, answer;
    GetWindowRect(Ui.Balloon, &balloon);
    GetWindowRect(session.Control(ID_ANSWER), &answer);
    EXPECT_EQ(std::make_pair(balloon.left, balloon.top), std::make_pair(answer.left + 21, answer.bottom - 7));
    // Beside the pointer the mouse goes through the balloon; its body catches it.
    EXPECT_NE(WindowFromPoint({balloon.left + 45, balloon.top + 5}), Ui.Balloon);
    EXPECT_EQ(WindowFromPoint({balloon.left + 25, balloon.top + 30}), Ui.Balloon);

    // An accepted value hides it, and so do the answer losing the focus and a click on the balloon.
    const std::function<void()> hiders[] = {
        [&] { session.Type(std::to_string(Drill.SequenceValues[0])); },
        [&] { session.TabTo(ID_EXIT); },
        [&] { session.Run([] { SendMessageA(Ui.Balloon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 30)); }); }};
    for (const auto& hide : hiders) {
        hide();
        EXPECT_FALSE(IsWindowVisible(Ui.Balloon));
        session.Click(ID_HINT);
        EXPECT_TRUE(Shows(session, Drill.SequenceValues[1]));
    }
}

} // namespace
