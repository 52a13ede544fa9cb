// The main window driven as the user drives it: keys into the focused control, the mouse, the menu.
#include "dialog_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

namespace {

// The template's face is the raster "MS Sans Serif"; a machine without it gives the dialog a
// TrueType face, as Tahoma is, whose version-6 edit brings margins of its own.
TEST(MainWindow, CountAndTimeTakeTwoTypedDigitsWhenLeft)
{
    for (const auto& [face, trueType] : {std::pair(L"MS Sans Serif", false), std::pair(L"Tahoma", true)}) {
        DialogSession session(face);
        TEXTMETRICA font;
        const HDC dc = GetDC(session.Control(ID_COUNT));
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(session.Control(ID_COUNT), WM_GETFONT, 0, 0)));
        GetTextMetricsA(dc, &font);
        ReleaseDC(session.Control(ID_COUNT), dc);
        ASSERT_EQ((font.tmPitchAndFamily & TMPF_TRUETYPE) != 0, trueType) << face;
        // The keys typed, what the field shows once left, and the value that comes into force.
        const std::tuple<const char*, const char*, int> cases[] = {
            {"99", "99", 99}, {"05", "05", 5}, {"123", "12", 12}, {"4a", "4", 4}, {"\b", "1", 1}};
        for (int id : {ID_COUNT, ID_TIME})
            for (const auto& [keys, shown, value] : cases) {
                session.TabTo(id);
                session.Type(std::string(keys) + "\t");
                const int taken = id == ID_COUNT ? Drill.ItemCount : Drill.ShowSeconds;
                EXPECT_EQ(std::pair(session.Text(session.Control(id)), taken), std::pair(std::string(shown), value))
                    << keys << " under " << face;
            }
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

// The menu that opens it, and where, the pictures show; here it opens as the series is shown.
TEST(MainWindow, TheAboutBoxOverARunningDrill)
{
    Shell shell;
    DialogSession session;
    session.TabTo(ID_TIME);
    session.Type("1\r");
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_ABOUT, 0);
    const HWND box = session.Window(L"#32770", L"About Tallyra");
    EXPECT_FALSE(IsWindowEnabled(Ui.Dialog)); // the box is modal to the main window
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_ABOUT, 0); // from outside, while the box is open: nothing
    const HWND tooltip = Ui.Tooltip;
    const std::pair<int, std::string> links[] = {{ID_LINK_SITE, "http://www.brelmo.ru/"},
                                                 {ID_LINK_PAYMENT, "http://www.webmoney.ru/"},
                                                 {ID_LINK_MAIL, "mailto:support@brelmo.ru"}};
    for (const auto& [id, target] : links) {
        RECT place;
        GetWindowRect(GetDlgItem(box, id), &place);
        const POINT middle = {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        // The mouse coming to rest on a link (a move beside it, then onto it) brings the hand and
        // the target in a tooltip; a click opens it.
        char tip[64] = "";
        TTTOOLINFOA tool {TTTOOLINFOA_V1_SIZE, 0, nullptr, 0, {}, nullptr, tip, 0, nullptr};
        SetCursorPos(middle.x - 2, middle.y);
        session.Settle();
        SetCursorPos(middle.x, middle.y);
        const auto tooltipShowsTarget = [&] {
            const bool current = SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
            return IsWindowVisible(tooltip) && current && tip == target;
        };
        EXPECT_TRUE(session.WaitUntil(tooltipShowsTarget)) << tip << " for " << target;
        // It shows half a second after the mouse comes to rest, just below the pointer, from where it points.
        RECT shown;
        GetWindowRect(tooltip, &shown);
        const bool fromThePointer = std::abs(shown.left - middle.x) <= 2;
        const bool belowThePointer = fromThePointer && shown.top > middle.y && shown.top <= middle.y + 32;
        EXPECT_TRUE(belowThePointer) << shown.left << "," << shown.top << " for " << middle.x << "," << middle.y;
        EXPECT_EQ(SendMessageA(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
        // The hand comes with the link's own answer to the mouse, which can follow the tooltip.
        const auto handShown = [] {
            CURSORINFO cursor {sizeof cursor};
            GetCursorInfo(&cursor);
            return cursor.hCursor == LoadCursorA(nullptr, IDC_HAND);
        };
        EXPECT_TRUE(session.WaitUntil(handShown)) << target;
        mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
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
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_ABOUT, 0); // once closed, the box opens again, with the links' tooltips
    EXPECT_NE(session.Window(L"#32770", L"About Tallyra"), nullptr);
    EXPECT_EQ(SendMessageA(Ui.Tooltip, TTM_GETTOOLCOUNT, 0, 0), 3);
    session.Type("\r");
    session.Click(ID_EXIT);
    EXPECT_TRUE(session.WaitUntil([&] { return session.ended; }));
}

// The control that has the focus, by the name the user knows it by: a button by its caption.
std::string Focused()
{
    const std::map<int, std::string> fields = {
        {0, "nothing"}, {ID_COUNT, "Кол."}, {ID_TIME, "Врем."}, {ID_ANSWER, "the answer"}, {ID_SEQUENCE, "the series"}};
    const HWND focus = GetFocus();
    const auto field = fields.find(focus ? GetDlgCtrlID(focus) : 0);
    return field != fields.end() ? field->second : DialogSession::Text(focus);
}

// Which range shows checked, by its caption: "0..9", "0..99", both or none.
std::string Checked()
{
    const bool digits = IsDlgButtonChecked(Ui.Dialog, ID_RANGE_DIGITS);
    const bool numbers = IsDlgButtonChecked(Ui.Dialog, ID_RANGE_NUMBERS);
    return std::string(digits ? "0..9" : "") + (digits && numbers ? " and " : "") + (numbers ? "0..99" : "");
}

// What is seen (where the focus is, unless told) before the keys and after each press.
std::string Path(DialogSession& session, std::string_view keys, std::string (*seen)() = Focused)
{
    std::string path = seen();
    for (char key : keys) {
        session.Type(std::string(1, key));
        path += " > " + seen();
    }
    return path;
}

// Where the focus is once the user has worked in another window and comes back.
std::string FocusedOnReturn(DialogSession& session)
{
    const HWND other = CreateWindowExA(0, "edit", "", WS_POPUP | WS_VISIBLE, 0, 0, 60, 20, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    session.Settle();
    const bool otherHasTheFocus = GetFocus() == other;
    SetForegroundWindow(Ui.Dialog);
    session.Settle();
    DestroyWindow(other);
    return (otherHasTheFocus ? "" : "(the focus taken from the other window) ") + Focused();
}

// In each phase: where Tab leads from each control, where the focus is when the
// window is activated again, and what Enter and Esc do.
TEST(MainWindow, TheKeyboardInEachPhase)
{
    DialogSession session;
    Drill.RngState = 1; // the first tick count
    EXPECT_EQ(Path(session, "\t\t\t\t\t"), "СТАРТ > ВЫХОД > Кол. > Врем. > 0..99 > СТАРТ");
    session.Type("\t\t\x1b"); // Esc does nothing
    EXPECT_EQ(FocusedOnReturn(session), "Кол.");

    // A click chooses a range, and so do the arrow keys, going from one to the other; one alone
    // shows checked, and the series is drawn in it: the digits 5, 2, 8.
    session.Click(ID_RANGE_DIGITS);
    const std::string clicked = Checked();
    session.Click(ID_RANGE_NUMBERS);
    EXPECT_EQ(clicked + " > " + Checked(), "0..9 > 0..99");
    EXPECT_EQ(Path(session, "&(&", Checked), "0..99 > 0..9 > 0..99 > 0..9");

    // While the series is shown nothing has the focus. A click into the series field gives it the
    // focus, as here; a digit typed there changes nothing, and Esc and Enter do nothing.
    session.TabTo(ID_START);
    session.Type("\r");
    EXPECT_EQ(Path(session, "\t\t"), "nothing > ВЫХОД > ВЫХОД");
    SetFocus(Ui.Sequence);
    session.Type("5\x1b\r");
    EXPECT_EQ(Focused() + ": " + DialogSession::Text(Ui.Sequence), "the series: 5,2,8");
    EXPECT_EQ(FocusedOnReturn(session), "the series");

    // During recall the answer field has the focus, also whenever the window is activated again.
    ASSERT_TRUE(session.Recalling());
    EXPECT_EQ(Path(session, "\t\t\t\t"), "the answer > ? > ВЫХОД > ОСТАНОВИТЬ > the answer");
    session.Type("\t\x1b"); // Esc does nothing
    EXPECT_EQ(FocusedOnReturn(session), "the answer");
    // Enter gives up; Enter closes the box, and the focus is on СТАРТ again.
    session.Type("3\r");
    EXPECT_EQ(Focused(), "ОК"); // the box's button, in Russian
    session.Type("\r");
    EXPECT_EQ(Focused(), "СТАРТ");
}

// Each start of the program draws a series of its own. "ВЫХОД" closes the window at once while the
// series is shown.
TEST(MainWindow, TwoStartsDrawTwoSeriesEachClosedWhileShown)
{
    std::string series[2];
    for (std::string& drawn : series) {
        // The second start comes at a later tick count than the first.
        for (const DWORD before = GetTickCount(); GetTickCount() == before;)
            Sleep(1);
        DialogSession session;
        session.Type("\r");
        drawn = DialogSession::Text(Ui.Sequence);
        session.Click(ID_EXIT);
        EXPECT_TRUE(session.WaitUntil([&] { return session.ended; }));
        EXPECT_EQ(Drill.Phase, DrillPhase::Memorize);
    }
    EXPECT_NE(series[0], series[1]);
}

} // namespace
