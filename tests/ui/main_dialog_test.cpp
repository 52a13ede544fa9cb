// The main dialog driven as the user drives it: keys into the focused control, clicks, the menu.
#include "dialog_operations.h"
#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A phase as the user sees it: which of these controls are enabled, the start caption, the icon.
std::string Look(DialogSession& session)
{
    std::string look;
    session.Run([&] {
        for (int id : {ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS, ID_START, ID_EXIT, ID_ANSWER, ID_HINT})
            look += IsWindowEnabled(session.Control(id)) ? '1' : '0';
        look += " " + session.Text(ID_START) + (IsWindowVisible(Ui.TimerIcon) ? " icon" : " -");
    });
    return look;
}
const std::string IdleLook = "11111100 СТАРТ icon";

// The first values of the series, written as the program writes them: "12,7,95".
std::string Series(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? "," : "") + std::to_string(Drill.SequenceValues[i]);
    return text;
}

TEST(MainDialog, ADrillTypedKeyByKey)
{
    DialogSession session;
    EXPECT_EQ(session.Text(session.Dialog()), "Tallyra от Vestrin");
    EXPECT_EQ(Look(session) + " " + session.Text(ID_COUNT) + session.Text(ID_TIME), IdleLook + " 33");
    EXPECT_EQ(SendMessageA(session.Control(ID_RANGE_NUMBERS), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(session.Focused(), session.Control(ID_START));
    session.Click(ID_RANGE_DIGITS);
    session.TabTo(ID_TIME);
    session.Type("1\x1b");  // Esc does nothing
    session.TabTo(ID_COUNT);
    session.Type("2\r");  // Enter starts with the count still being typed
    EXPECT_EQ(Look(session), "00000100 СТАРТ -");
    EXPECT_EQ(session.Text(ID_SEQUENCE), Series(2));
    EXPECT_LT(std::max(Drill.SequenceValues[0], Drill.SequenceValues[1]), 10);
    EXPECT_EQ(session.Focused(), nullptr);
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000));
    EXPECT_EQ(Look(session), "00001111 ОСТАНОВИТЬ icon");
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));
    session.Type("a" + std::to_string(Drill.SequenceValues[0]));  // the letter is refused
    EXPECT_EQ(session.Text(ID_SEQUENCE), Series(1) + ",");
    session.Type(std::to_string(Drill.SequenceValues[1]));
    EXPECT_EQ(session.Boxes(), SeenBoxes{"Браво!|Вы запомнили все цифры!|" + Series(2)});
    EXPECT_EQ(Look(session) + " " + session.Text(ID_COUNT) + session.Text(ID_TIME), IdleLook + " 33");
}

TEST(MainDialog, CountAndTimeTakeTwoTypedDigitsWhenLeft)
{
    DialogSession session;
    const struct { const char *keys, *shown; int value; } cases[] = {
        {"12", "12", 12}, {"99", "99", 99}, {"05", "05", 5}, {"123", "12", 12}, {"4a", "4", 4}, {"\b", "1", 1}};
    for (int id : {ID_COUNT, ID_TIME})
        for (const auto& [keys, shown, value] : cases) {
            session.TabTo(id);
            session.Type(std::string(keys) + "\t");
            const int taken = id == ID_COUNT ? Drill.ItemCount : Drill.ShowSeconds;
            EXPECT_EQ(session.Text(id) + " " + std::to_string(taken), std::string(shown) + " " + std::to_string(value))
                << id << " typed " << keys;
        }
}

TEST(MainDialog, TheAboutBoxOverARunningDrill)
{
    DialogSession session;
    session.TabTo(ID_TIME);
    session.Type("1\r");
    // Opened through the right-click menu while the countdown runs on behind it.
    PostMessageA(session.Dialog(), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    HWND menu = nullptr;
    ASSERT_TRUE(session.WaitUntil([&] { return IsWindowVisible(menu = FindWindowA("#32768", nullptr)); }));
    char item[32] = "";
    GetMenuStringA(reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)), 0, item, sizeof item, MF_BYPOSITION);
    EXPECT_STREQ(item, "About...");
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(session.WaitUntil(DialogSession::AboutBox));
    const HWND tooltip = Ui.Tooltip;
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000));
    session.Type("\x1b");  // does nothing
    EXPECT_TRUE(DialogSession::AboutBox());
    EXPECT_EQ(session.Text(ID_SEQUENCE), "");
    // Recall began behind the box: once Enter has closed it, the answer field has the focus.
    session.Type("\r");
    ASSERT_TRUE(session.WaitUntil([&] { return IsWindowEnabled(session.Dialog()); }));
    EXPECT_FALSE(IsWindow(tooltip));
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));
    session.Type("\r");  // gives up: ОСТАНОВИТЬ is the default button
    EXPECT_EQ(session.Boxes(), SeenBoxes{"Вы не запомнили следующий ряд:|" + Series(3) + "|"});

    // Closed from outside while the box is open, the dialog takes the box with it.
    PostMessageA(session.Dialog(), WM_COMMAND, ID_ABOUT, 0);
    ASSERT_TRUE(session.WaitUntil(DialogSession::AboutBox));
    PostMessageA(session.Dialog(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(session.WaitUntil([&] { return session.Ended(); }, 2000));
    EXPECT_FALSE(DialogSession::AboutBox());
}

// The last character of the field lies wholly inside the field.
bool LastCharacterShows(HWND field)
{
    const LRESULT place = SendMessageA(field, EM_POSFROMCHAR, GetWindowTextLengthA(field) - 1, 0);
    const HDC dc = GetDC(field);
    const HGDIOBJ kept = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, kept);
    ReleaseDC(field, dc);
    RECT client;
    GetClientRect(field, &client);
    return place != -1 && HIWORD(place) + metrics.tmHeight <= client.bottom;
}

TEST(MainDialog, EveryValueOfTheLongestSeriesCanBeRead)
{
    DialogSession session;
    const HWND field = session.Control(ID_SEQUENCE);
    session.TabTo(ID_COUNT);
    session.Type("99\r");
    EXPECT_EQ(std::count(Drill.SequenceText, Drill.SequenceText + SequenceTextSize, ','), 98);
    session.Run([&] { EXPECT_TRUE(LastCharacterShows(field)); });
    std::string widest = "99";
    for (int i = 1; i < MaxParameter; ++i)
        widest += ",99";
    session.Run([&] {
        MainDialogOperations.SetText(ID_SEQUENCE, widest.c_str());
        EXPECT_TRUE(LastCharacterShows(field));
        // A series that fits looks as it always has.
        MainDialogOperations.SetText(ID_SEQUENCE, widest.substr(0, 80).c_str());
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)), Ui.SequenceFont);
    });
}

} // namespace
