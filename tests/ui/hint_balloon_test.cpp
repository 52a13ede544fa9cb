#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 50;
constexpr int Height = 40;
// The balloon's body inside its outline, where the value is written.
constexpr RECT TextArea = {3, 20, 47, 38};

// The body's pixels: of the balloon as it is on the screen, or of a clean balloon with text on it.
std::vector<COLORREF> Picture(const char* text)
{
    const HDC windowDC = GetDC(Ui.Balloon);
    const HDC dc = CreateCompatibleDC(windowDC);
    const HBITMAP bitmap = CreateCompatibleBitmap(windowDC, Width, Height);
    SelectObject(dc, bitmap);
    if (text) {
        PatBlt(dc, 0, 0, Width, Height, WHITENESS);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, LabelColour);
        RECT body = {0, 18, Width, Height};
        DrawTextA(dc, text, -1, &body, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    } else {
        BitBlt(dc, 0, 0, Width, Height, windowDC, 0, 0, SRCCOPY);
    }
    ReleaseDC(Ui.Balloon, windowDC);
    std::vector<COLORREF> pixels;
    for (int y = TextArea.top; y < TextArea.bottom; ++y)
        for (int x = TextArea.left; x < TextArea.right; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

// The value the balloon shows, read back from its pixels; -1 while it is hidden or shows none of 0..99.
int ShownValue(DialogSession& session)
{
    int shown = -1;
    session.Run([&] {
        if (!IsWindowVisible(Ui.Balloon))
            return;
        UpdateWindow(Ui.Balloon);
        const auto balloon = Picture(nullptr);
        for (int value = 0; value < 100 && shown < 0; ++value)
            if (Picture(std::to_string(value).c_str()) == balloon)
                shown = value;
    });
    return shown;
}

TEST(HintBalloon, ShowsTheValueExpectedNextUntilTheAnswerMovesOn)
{
    DialogSession session;
    // A fixed seed whose series starts with two different values, so that a stale picture shows.
    Drill.RngState = 1;
    ASSERT_TRUE(session.ReachRecall());
    ASSERT_NE(Drill.SequenceValues[0], Drill.SequenceValues[1]);
    session.Click(ID_HINT);
    EXPECT_EQ(ShownValue(session), Drill.SequenceValues[0]);
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
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        hiders[i]();
        EXPECT_EQ(ShownValue(session), -1);
        session.Click(ID_HINT);
        EXPECT_EQ(ShownValue(session), Drill.SequenceValues[1]);
    }
}

} // namespace
