// One drill through every window of the program: pictures of each window for tests/ui/pictures.sh
// to compare with the ones a person has reviewed, and what the windows do beside what a picture shows.
#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

namespace {

constexpr DWORD CountdownRed = 0xE81100; // RGB(232, 17, 0), as a bitmap holds it
constexpr DWORD Black = 0x000000;
constexpr int MessageBoxText = 0xFFFF; // the id of a message box's text

TEST(Pictures, EveryWindowThroughADrillLooksAsReviewed)
{
    // A Russian system's code page, 1251, or UTF-8: the texts read the same in both.
    char codePage[8] = "1251";
    GetEnvironmentVariableA("TALLYRA_CODE_PAGE", codePage, sizeof codePage);
    ASSERT_EQ(std::to_string(GetACP()), codePage);
    DialogSession session;
    TakePicture(session, "main-window", {Ui.Dialog});
    // Where the icon stands the dialog itself draws no countdown, as it shows when that place is
    // drawn anew without the icon.
    RECT icon;
    GetWindowRect(session.Control(ID_TIMER_ICON), &icon);
    MapWindowPoints(nullptr, Ui.Dialog, reinterpret_cast<POINT*>(&icon), 2);
    RedrawWindow(Ui.Dialog, &icon, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    MapWindowPoints(Ui.Dialog, nullptr, reinterpret_cast<POINT*>(&icon), 2);
    EXPECT_EQ(std::ranges::count(ScreenPixels(icon), CountdownRed), 0);

    // The labels and the icon let the mouse through to the window: a right press on the "Кол.:"
    // label opens the menu where it was pressed.
    RECT label;
    for (int id : {ID_TIMER_ICON, ID_TIME_LABEL, ID_COUNT_LABEL}) {
        GetWindowRect(session.Control(id), &label);
        EXPECT_EQ(WindowFromPoint({label.left + 5, label.top + 5}), Ui.Dialog) << id;
    }
    SetCursorPos(label.left + 5, label.top + 5);
    mouse_event(MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
    const HWND menu = session.Window(L"#32768", nullptr);
    TakePicture(session, "right-click-menu", {Ui.Dialog, menu});
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
    SetCursorPos(0, 0); // away from the links and their tooltips
    TakePicture(session, "about-box", {Ui.Dialog, session.Window(L"#32770", L"About Tallyra")});
    session.Type("\r");

    // A series of three shown for ten seconds, at its first, also as it is drawn anew when another
    // window has passed over it: both figures of the countdown; then at its next second, the "10" gone.
    Drill.RngState = 1; // the first tick count: the numbers 34, 29, 63
    session.TabTo(ID_TIME);
    session.Type("10\r"); // Enter starts, with the time still being typed
    const DWORD started = GetTickCount();
    TakePicture(session, "series-shown", {Ui.Dialog});
    RedrawWindow(Ui.Dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    TakePicture(session, "series-shown-drawn-anew", {Ui.Dialog});
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Countdown == 9; }));
    TakePicture(session, "series-shown-a-second-later", {Ui.Dialog});
    ASSERT_TRUE(session.Recalling()) << DialogSession::Text(session.Control(ID_START));
    EXPECT_GE(GetTickCount() - started, 9950u); // the series was shown for its ten seconds
    // As recall begins no strip is drawn: its place inside the edge shows the background's greys.
    session.Settle();
    RECT strip = {142, 86, 270, 100};
    MapWindowPoints(Ui.Dialog, nullptr, reinterpret_cast<POINT*>(&strip), 2);
    const auto grey = [](DWORD pixel) { return pixel == (pixel & 0xFF) * 0x010101; };
    EXPECT_TRUE(std::ranges::all_of(ScreenPixels(strip), grey));

    // "?" shows the balloon; the answer field keeps the focus. Beside the pointer, within the
    // balloon's rectangle, the mouse goes through. The balloon goes with the window when it is
    // minimised, and hides when the answer field loses the focus and when it is pressed, with either button.
    session.Click(ID_HINT);
    EXPECT_EQ(GetFocus(), session.Control(ID_ANSWER));
    RECT balloon;
    GetWindowRect(Ui.Balloon, &balloon);
    EXPECT_NE(WindowFromPoint({balloon.left + 45, balloon.top + 5}), Ui.Balloon);
    SendMessageA(Ui.Dialog, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(Ui.Balloon));
    SendMessageA(Ui.Dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
    session.Type("a34"); // the letter is refused; 34 is taken, and "?" then shows the next value
    session.Click(ID_HINT);
    session.Type("2");
    TakePicture(session, "recall", {Ui.Dialog, Ui.Balloon});
    // The pointer shows over the window: its upright edge is black from the body up to the tip.
    // Wine 10 draws a span of a window's shape that begins and ends within one byte of its one-bit
    // mask as the rest of that byte: there the pointer's rows 2 to 7 show the field, beside a black wedge.
    const auto wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version");
    const bool wine10 = wine && std::string_view(std::bit_cast<const char* (*)()>(wine)()).starts_with("10.");
    const LONG tip = wine10 ? 8 : 2;
    const RECT pointer = {balloon.left + 10, balloon.top + tip, balloon.left + 11, balloon.top + 18};
    EXPECT_EQ(std::ranges::count(ScreenPixels(pointer), Black), 18 - tip);
    session.TabTo(ID_EXIT);
    EXPECT_FALSE(IsWindowVisible(Ui.Balloon));
    session.TabTo(ID_ANSWER);
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
        session.Click(ID_HINT);
        SendMessageA(Ui.Balloon, press, 0, MAKELPARAM(25, 30));
        EXPECT_FALSE(IsWindowVisible(Ui.Balloon)) << press;
    }
    // A shown balloon stays where it was when the window moves; "?" then shows it under the field again.
    session.Click(ID_HINT);
    RECT window;
    GetWindowRect(Ui.Dialog, &window);
    SetWindowPos(Ui.Dialog, nullptr, window.left + 40, window.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT left;
    GetWindowRect(Ui.Balloon, &left);
    session.Click(ID_HINT);
    RECT field;
    GetWindowRect(session.Control(ID_ANSWER), &field);
    GetWindowRect(Ui.Balloon, &balloon);
    // Its place under the field before the window moved 40 pixels right and 30 down, and after.
    EXPECT_EQ(std::tuple(left.left, left.top, balloon.left, balloon.top),
              std::tuple(field.left + 21 - 40, field.bottom - 7 - 30, field.left + 21, field.bottom - 7));
    SetWindowPos(Ui.Dialog, nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    session.Type("\r");
    const HWND givenUp = session.Window(L"#32770", L"Вы не запомнили следующий ряд:");
    TakePicture(session, "give-up", {Ui.Dialog, givenUp});
    EXPECT_EQ(DialogSession::Text(GetDlgItem(givenUp, MessageBoxText)), "34,29,63");
    EXPECT_FALSE(IsWindowEnabled(Ui.Dialog)); // the box is modal to the window
    session.Type("\r");
    EXPECT_EQ(DialogSession::Text(session.Control(ID_START)), "СТАРТ");

    // A series of 99 shown for a second, then given up.
    session.TabTo(ID_COUNT);
    session.Type("99\t1\r");
    TakePicture(session, "long-series-shown", {Ui.Dialog});
    ASSERT_TRUE(session.Recalling());
    session.Type("\r\r"); // gives up, and closes the box

    // A series of one, recalled. Closed from outside under the praise, twice, as an impatient
    // program would, the dialog keeps its objects, the series field's font among them, which the
    // drill uses once the box is closed; only then does it end and release them.
    Drill.RngState = 1;
    session.TabTo(ID_COUNT);
    session.Type("1\r");
    ASSERT_TRUE(session.Recalling());
    session.Type("34");
    const HWND praise = session.Window(L"#32770", L"Браво!");
    TakePicture(session, "praise", {Ui.Dialog, praise});
    EXPECT_EQ(DialogSession::Text(GetDlgItem(praise, MessageBoxText)), "Вы запомнили все цифры!");
    PostMessageA(Ui.Dialog, WM_CLOSE, 0, 0);
    PostMessageA(Ui.Dialog, WM_CLOSE, 0, 0);
    session.Settle();
    EXPECT_EQ(GetObjectType(Ui.SequenceFont), static_cast<DWORD>(OBJ_FONT));
    session.Type("\r");
    EXPECT_TRUE(session.WaitUntil([&] { return session.ended; }));
    EXPECT_EQ(GetObjectType(Ui.SequenceFont), 0u);
}

} // namespace
