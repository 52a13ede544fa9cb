// The main window driven as the user drives it: keys into the focused control, the mouse, the menu.
#include "dialog_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// The session's dialog face is the raster "MS Sans Serif"; this test runs again where it is a
// TrueType face (WINE_SESSION_DIALOG_FACE=truetype), whose version-6 edit brings margins of its own.
TEST(MainWindow, CountAndTimeTakeTwoTypedDigitsWhenLeft)
{
    DialogSession session;
    TEXTMETRICA font;
    const HDC dc = GetDC(session.Control(ID_COUNT));
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(session.Control(ID_COUNT), WM_GETFONT, 0, 0)));
    GetTextMetricsA(dc, &font);
    ReleaseDC(session.Control(ID_COUNT), dc);
    ASSERT_EQ((font.tmPitchAndFamily & TMPF_TRUETYPE) != 0,
              GetEnvironmentVariableA("WINE_SESSION_DIALOG_FACE", nullptr, 0) > 0);
    const struct {
        const char *keys, *shown;
        int value;
    } cases[] = {{"12", "12", 12},  {"99", "99", 99}, {"05", "05", 5},
                 {"123", "12", 12}, {"4a", "4", 4},   {"\b", "1", 1}};
    for (int id : {ID_COUNT, ID_TIME})
        for (const auto& [keys, shown, value] : cases) {
            session.TabTo(id);
            session.Type(std::string(keys) + "\t");
            const int taken = id == ID_COUNT ? Drill.ItemCount : Drill.ShowSeconds;
            EXPECT_EQ(session.Text(session.Control(id)) + " " + std::to_string(taken),
                      std::string(shown) + " " + std::to_string(value))
                << keys;
        }
}

// Wine hands http: and mailto: addresses to the programs named in HKCU\Software\Wine\WineBrowser,
// the address as their last argument; while this lives, that is a shell that writes it to a file.
struct Shell {
    const std::string file = "/tmp/tallyra-shell-" + std::to_string(GetCurrentProcessId()); // Z: is the Unix root
    Shell()
    {
        const std::string recorder = "/bin/sh -c \"printf %s \\\"$0\\\" > " + file + "\"";
        for (const char* value : {"Browsers", "Mailers"})
            RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", value, REG_SZ, recorder.c_str(),
                            recorder.size() + 1);
    }
    ~Shell()
    {
        for (const char* value : {"Browsers", "Mailers"}) // Wine goes back to its own list of programs
            RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", value);
        std::remove(("Z:" + file).c_str());
    }
    // The address handed to the shell last.
    std::string Opened() { return {std::istreambuf_iterator<char>(std::ifstream("Z:" + file).rdbuf()), {}}; }
};

TEST(MainWindow, TheAboutBoxFromTheMenuOverARunningDrill)
{
    Shell shell;
    DialogSession session;
    Drill.RngState = 1; // the first tick count: the numbers 34, 29, 63
    session.TabTo(ID_TIME);
    session.Type("1\r");
    PostMessageA(Ui.Dialog, WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    HWND menu = nullptr, box = nullptr;
    ASSERT_TRUE(session.WaitUntil([&] { return IsWindowVisible(menu = FindWindowA("#32768", nullptr)); }));
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(session.WaitUntil([&] { return IsWindowVisible(box = FindWindowA("#32770", "About Tallyra")); }));
    EXPECT_FALSE(IsWindowEnabled(Ui.Dialog)); // the box is modal to the main window
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_ABOUT, 0); // from outside, while the box is open: nothing
    const HWND tooltip = Ui.Tooltip;
    const Picture shot = DialogSession::Shot(box);
    const std::pair<int, std::string> links[] = {{ID_LINK_SITE, "http://www.brelmo.ru/"},
                                                 {ID_LINK_PAYMENT, "http://www.webmoney.ru/"},
                                                 {ID_LINK_MAIL, "mailto:support@brelmo.ru"}};
    for (const auto& [id, target] : links) {
        RECT place;
        GetWindowRect(GetDlgItem(box, id), &place);
        const POINT middle = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
        const RECT blue = shot.Where(place, RGB(0, 0, 255));
        EXPECT_GT(blue.right - blue.left, 10) << target;
        // The mouse coming to rest on a link (a move beside it, then onto it) brings the hand and
        // the target in a tooltip; a click opens it.
        char tip[64] = "";
        TTTOOLINFOA tool {TTTOOLINFOA_V1_SIZE, 0, nullptr, 0, {}, nullptr, tip, 0, nullptr};
        SetCursorPos(middle.x - 2, middle.y);
        session.Settle();
        SetCursorPos(middle.x, middle.y);
        EXPECT_TRUE(session.WaitUntil([&] {
            return IsWindowVisible(tooltip) &&
                SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) && tip == target;
        })) << tip
            << " for " << target;
        CURSORINFO cursor {sizeof cursor};
        GetCursorInfo(&cursor);
        EXPECT_EQ(cursor.hCursor, LoadCursorA(nullptr, IDC_HAND)) << target;
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        EXPECT_TRUE(session.WaitUntil([&] { return shell.Opened() == target; })) << shell.Opened() << " for " << target;
    }
    // Meanwhile the countdown ran on behind the box. Esc does nothing; once Enter has closed the
    // box and its tooltip, the answer field has the focus.
    ASSERT_TRUE(session.Recalling());
    session.Type("\x1b");
    EXPECT_TRUE(IsWindowVisible(box));
    session.Type("\r");
    ASSERT_TRUE(session.WaitUntil([&] { return IsWindowEnabled(Ui.Dialog); }));
    EXPECT_FALSE(IsWindow(tooltip));
    EXPECT_EQ(GetFocus(), session.Control(ID_ANSWER));
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_ABOUT, 0); // once closed, the box opens again
    EXPECT_TRUE(session.WaitUntil([&] { return IsWindowVisible(FindWindowA("#32770", "About Tallyra")); }));
    session.Type("\r\r"); // closes it, then gives up: ОСТАНОВИТЬ is the default button
    EXPECT_EQ(session.CloseBox(), "Вы не запомнили следующий ряд:|34,29,63|");
    session.Click(ID_EXIT);
    EXPECT_TRUE(session.WaitUntil([&] { return session.ended; }));
}

} // namespace
