// The main window driven as the user drives it, keys into the focused control, clicks and the
// menu, and its pixels as the screen shows them.
#include "colours.h"
#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "sequence_field.h"
#include "ui_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int StripLeft = 142, StripTop = 86, StripWidth = 128, StripHeight = 14;

// A phase as the user sees it: which of these controls are enabled, the start caption, the icon.
std::string Look(DialogSession& session)
{
    std::string look;
    for (int id : {ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS, ID_START, ID_EXIT, ID_ANSWER, ID_HINT})
        look += IsWindowEnabled(session.Control(id)) ? '1' : '0';
    return look + " " + session.Text(ID_START) + (IsWindowVisible(session.Control(ID_TIMER_ICON)) ? " icon" : " -");
}
const std::string IdleLook = "11111100 СТАРТ icon";

// The pixels of a DC's top-left corner, top row first.
struct Picture {
    int width, height;
    std::vector<COLORREF> pixels;
    Picture(HDC dc, int width, int height) : width(width), height(height)
    {
        for (int i = 0; i < width * height; ++i)
            pixels.push_back(GetPixel(dc, i % width, i / width));
    }
    COLORREF operator()(int x, int y) const { return pixels[y * width + x]; }
    RECT Whole() const { return {0, 0, width, height}; }
    // How many pixels of the area pass the test.
    int Count(const RECT& area, const std::function<bool(int x, int y, COLORREF pixel)>& test) const
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += test(x, y, (*this)(x, y));
        return count;
    }
};

Picture Resource(int id, int width, int height)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ kept = SelectObject(dc, LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
    Picture picture(dc, width, height);
    DeleteObject(SelectObject(dc, kept));
    DeleteDC(dc);
    return picture;
}

auto Of(COLORREF colour)
{
    return [colour](int, int, COLORREF pixel) { return pixel == colour; };
}

// Whether the balloon shows the value: its body on the screen is a clean body with the value written on it.
bool Shows(DialogSession& session, int value)
{
    bool shows = false;
    session.Run([&] {  // on the balloon's own thread, right after its paint
        UpdateWindow(Ui.Balloon);
        const HDC screen = GetDC(Ui.Balloon), clean = CreateCompatibleDC(screen);
        const HGDIOBJ kept = SelectObject(clean, CreateCompatibleBitmap(screen, 50, 40));
        PatBlt(clean, 0, 0, 50, 40, WHITENESS);
        SetBkMode(clean, TRANSPARENT);
        SetTextColor(clean, LabelColour);
        RECT body = {0, 18, 50, 40};
        DrawTextA(clean, std::to_string(value).c_str(), -1, &body, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const Picture shown(screen, 50, 38), expected(clean, 50, 38);
        DeleteObject(SelectObject(clean, kept));
        DeleteDC(clean);
        ReleaseDC(Ui.Balloon, screen);
        shows = IsWindowVisible(Ui.Balloon) && shown.Count({3, 20, 47, 38}, [&](int x, int y, COLORREF pixel) {
                    return pixel != expected(x, y);  // inside the outline
                }) == 0;
    });
    return shows;
}

TEST(MainWindow, ADrillTypedKeyByKeyWithHints)
{
    DialogSession session;
    EXPECT_EQ(Look(session) + " " + session.Text(ID_COUNT) + session.Text(ID_TIME), IdleLook + " 33");
    EXPECT_EQ(SendMessageA(session.Control(ID_RANGE_NUMBERS), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(session.Focused(), session.Control(ID_START));
    Drill.RngState = 1;  // digits 5 and 2: a stale balloon would show
    session.Click(ID_RANGE_DIGITS);
    session.TabTo(ID_TIME);
    session.Type("1\x1b");  // Esc does nothing
    session.TabTo(ID_COUNT);
    const DWORD started = GetTickCount();
    session.Type("2\r");  // Enter starts with the count still being typed
    EXPECT_EQ(Look(session), "00000100 СТАРТ -");
    EXPECT_EQ(session.Text(ID_SEQUENCE), "5,2");
    EXPECT_EQ(session.Focused(), nullptr);
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000));
    EXPECT_GE(GetTickCount() - started, 950u);  // the series was shown for its one second
    EXPECT_EQ(Look(session), "00001111 ОСТАНОВИТЬ icon");
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));

    // The hint points into the answer field, which keeps the focus; beside the pointer the
    // mouse goes through the balloon, its body catches it.
    session.Click(ID_HINT);
    EXPECT_TRUE(Shows(session, 5));
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));
    RECT balloon, answer;
    GetWindowRect(Ui.Balloon, &balloon);
    GetWindowRect(session.Control(ID_ANSWER), &answer);
    EXPECT_EQ(std::make_pair(balloon.left, balloon.top), std::make_pair(answer.left + 21, answer.bottom - 7));
    EXPECT_NE(WindowFromPoint({balloon.left + 45, balloon.top + 5}), Ui.Balloon);
    EXPECT_EQ(WindowFromPoint({balloon.left + 25, balloon.top + 30}), Ui.Balloon);
    // An accepted value hides it, and so do the answer losing the focus and a click on the balloon.
    session.Type("a5");  // the letter is refused
    EXPECT_EQ(session.Text(ID_SEQUENCE) + (IsWindowVisible(Ui.Balloon) ? " shown" : ""), "5,");
    for (auto hide : {+[](DialogSession& s) { s.TabTo(ID_EXIT); },
                      +[](DialogSession&) { SendMessageA(Ui.Balloon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 30)); }}) {
        session.Click(ID_HINT);
        EXPECT_TRUE(Shows(session, 2));
        hide(session);
        EXPECT_FALSE(IsWindowVisible(Ui.Balloon));
    }
    session.TabTo(ID_ANSWER);
    session.Type("2");
    EXPECT_EQ(session.CloseBox(), "Браво!|Вы запомнили все цифры!|5,2");
    EXPECT_EQ(Look(session) + " " + session.Text(ID_COUNT) + session.Text(ID_TIME), IdleLook + " 33");
}

TEST(MainWindow, CountAndTimeTakeTwoTypedDigitsWhenLeft)
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

TEST(MainWindow, TheAboutBoxOverARunningDrill)
{
    DialogSession session;
    session.TabTo(ID_TIME);
    session.Type("1\r");
    // Opened through the right-click menu while the countdown runs on behind it.
    PostMessageA(session.Dialog(), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    HWND menu = nullptr;
    ASSERT_TRUE(session.WaitUntil([&] { return IsWindowVisible(menu = FindWindowA("#32768", nullptr)); }));
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
    EXPECT_EQ(session.CloseBox(), "Вы не запомнили следующий ряд:|" + std::string(Drill.SequenceText) + "|");

    // Closed from outside while the box is open, the dialog takes the box with it.
    PostMessageA(session.Dialog(), WM_COMMAND, ID_ABOUT, 0);
    ASSERT_TRUE(session.WaitUntil(DialogSession::AboutBox));
    PostMessageA(session.Dialog(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(session.WaitUntil([&] { return session.Ended(); }, 2000));
    EXPECT_FALSE(DialogSession::AboutBox());
}

// What GetObjectType tells of each graphics object the dialog and its balloon made: 0 once released.
std::vector<DWORD> ObjectKinds()
{
    std::vector<DWORD> kinds;
    for (HGDIOBJ object : std::initializer_list<HGDIOBJ>{Ui.PatternBrush, Ui.BackgroundBitmap, Ui.LabelFont, Ui.CountdownFont,
                                                         Ui.SequenceFont, Ui.CompactSequenceFont, Ui.ProgressDC, Ui.ProgressBitmap,
                                                         Ui.BalloonDC, Ui.BalloonBitmap})
        kinds.push_back(GetObjectType(object));
    return kinds;
}

TEST(MainWindow, ClosedFromOutsideUnderABoxItKeepsItsObjectsUntilItEnds)
{
    const std::vector<DWORD> live = {OBJ_BRUSH, OBJ_BITMAP, OBJ_FONT, OBJ_FONT, OBJ_FONT, OBJ_FONT, OBJ_MEMDC, OBJ_BITMAP, OBJ_MEMDC, OBJ_BITMAP};
    for (const char* box : {"About", "Браво!", "Вы не запомнили следующий ряд:"}) {
        DialogSession session;
        if (box == std::string("About")) {
            PostMessageA(session.Dialog(), WM_COMMAND, ID_ABOUT, 0);
            ASSERT_TRUE(session.WaitUntil(DialogSession::AboutBox));
        } else {
            session.TabTo(ID_COUNT);
            session.Type("1\t1\r");
            ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }));
            session.Type(box == std::string("Браво!") ? std::to_string(Drill.SequenceValues[0]) : "\r");
            ASSERT_TRUE(session.WaitUntil([&] { return session.OpenBox(); }));
        }
        // Twice, as an impatient program would.
        PostMessageA(session.Dialog(), WM_CLOSE, 0, 0);
        PostMessageA(session.Dialog(), WM_CLOSE, 0, 0);
        session.Settle();
        if (box != std::string("About")) {  // the message box stays up, over the hidden dialog
            EXPECT_FALSE(IsWindowVisible(session.Dialog())) << box;
            EXPECT_EQ(ObjectKinds(), live) << box;
            EXPECT_EQ(session.CloseBox().substr(0, strlen(box)), box);
        }
        EXPECT_TRUE(session.WaitUntil([&] { return session.Ended(); })) << box;
        EXPECT_FALSE(DialogSession::AboutBox());
        EXPECT_EQ(ObjectKinds(), std::vector<DWORD>(live.size(), 0)) << box;
    }
}

// The last character of a text of several lines lies wholly inside the field.
bool LastCharacterShows(HWND field)
{
    auto top = [&](LRESULT character) { return HIWORD(SendMessageA(field, EM_POSFROMCHAR, character, 0)); };
    const int lineHeight = top(SendMessageA(field, EM_LINEINDEX, 1, 0)) - top(0);
    RECT client;
    GetClientRect(field, &client);
    return lineHeight > 0 && top(GetWindowTextLengthA(field) - 1) + lineHeight <= client.bottom;
}

// A series of the given length, its values taken in turn from the given ones.
std::string Series(int length, std::vector<int> values)
{
    std::string series;
    for (int i = 0; i < length; ++i)
        series += (i ? "," : "") + std::to_string(values[i % values.size()]);
    return series;
}

TEST(MainWindow, EveryValueOfALongSeriesReadsAsItselfAndShows)
{
    DialogSession session;
    const HWND field = session.Control(ID_SEQUENCE);
    const std::vector<int> numbers = {31, 70, 50, 9, 90, 59, 24, 7, 64, 9, 92, 0, 18, 5, 77, 41, 3, 86};
    // Those that fit in the field's own font keep it.
    const struct { std::string series; bool ownFont; } cases[] = {
        {Series(40, numbers), true}, {Series(60, numbers), false}, {Series(99, numbers), false},
        {Series(99, {3, 8, 1, 0, 6, 2, 9}), false}, {Series(99, {99}), false}, {Series(30, {99}) + ",", true}};
    for (const auto& [series, ownFont] : cases) {
        session.Run([&] { ShowSequence(series.c_str()); });
        EXPECT_EQ(session.Text(ID_SEQUENCE), series);
        // Each line but the first begins right after a comma: no value is split, no line begins with one.
        const auto lines = SendMessageA(field, EM_GETLINECOUNT, 0, 0);
        EXPECT_GT(lines, 1) << series;
        for (int line = 1; line < lines; ++line) {
            const auto start = SendMessageA(field, EM_LINEINDEX, line, 0);
            EXPECT_EQ(series.substr(start - 1, 2).front(), ',') << series << " line " << line;
        }
        EXPECT_TRUE(LastCharacterShows(field)) << series;
        if (ownFont) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)), Ui.SequenceFont) << series;
        }
    }
}

class Painting : public testing::Test {
protected:
    DialogSession session;
    const Picture texture = Resource(IDB_BACKGROUND, 128, 128), strip = Resource(IDB_PROGRESS, StripWidth, StripHeight);
    // The texture tiles the client area from its corner.
    bool IsTexture(int x, int y, COLORREF pixel) const { return pixel == texture(x % 128, y % 128); }

    // The client area as the screen shows it once the paints pending are done.
    Picture Shot()
    {
        std::vector<Picture> shot;
        session.Run([&] {  // on the dialog's own thread, right after its paint
            UpdateWindow(session.Dialog());
            RECT client;
            GetClientRect(session.Dialog(), &client);
            const HDC dc = GetDC(session.Dialog());
            shot.emplace_back(dc, client.right, client.bottom);
            ReleaseDC(session.Dialog(), dc);
        });
        return shot[0];
    }
    // Pixels of the strip that are not its picture over the first columns and the texture over the rest.
    int StripWrong(const Picture& shot, int columns) const
    {
        return shot.Count({StripLeft, StripTop, StripLeft + StripWidth, StripTop + StripHeight},
                          [&](int x, int y, COLORREF pixel) {
                              return x < StripLeft + columns ? pixel != strip(x - StripLeft, y - StripTop)
                                                             : !IsTexture(x, y, pixel);
                          });
    }
};

TEST_F(Painting, TextureBlueLabelsStripAndCountdownThroughADrill)
{
    Picture before = Shot();
    const auto notTexture = [&](int x, int y, COLORREF pixel) { return !IsTexture(x, y, pixel); };
    for (int id : {ID_COUNT_LABEL, ID_TIME_LABEL, ID_RANGE_DIGITS, ID_RANGE_NUMBERS}) {
        RECT place;
        GetWindowRect(session.Control(id), &place);
        MapWindowPoints(nullptr, session.Dialog(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_GT(before.Count(place, Of(LabelColour)), 15) << id;
        // No button-face grey box behind the text (the visual-style radio glyph has a few such pixels).
        EXPECT_LE(before.Count(place, [&](int x, int y, COLORREF pixel) {
                      return pixel == GetSysColor(COLOR_BTNFACE) && notTexture(x, y, pixel);
                  }), 8) << id;
    }
    EXPECT_EQ(StripWrong(before, StripWidth), 0);

    session.TabTo(ID_TIME);
    session.Type("2\r");
    // Each second its own figure in red where the icon was, and red nowhere else; the strip stays full.
    const auto red = Of(CountdownColour);
    for (int second = 2; second > 0; --second) {
        ASSERT_TRUE(session.WaitUntil([&] { return Drill.Countdown == second; }));
        const Picture shot = Shot();
        EXPECT_EQ(StripWrong(shot, StripWidth), 0);
        EXPECT_GT(shot.Count(Ui.DigitsRect, red), 20);
        EXPECT_EQ(shot.Count(shot.Whole(), red), shot.Count(Ui.DigitsRect, red));
        EXPECT_GT(shot.Count(Ui.DigitsRect, [&](int x, int y, COLORREF pixel) { return pixel != before(x, y); }), 20);
        before = shot;
    }
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }));
    const Picture recall = Shot();
    EXPECT_EQ(StripWrong(recall, 0), 0);
    EXPECT_EQ(recall.Count(recall.Whole(), red), 0);
    // The strip grows with each value, and is read while the success box is still up.
    for (int width : {43, 85, 128}) {
        session.Type(std::to_string(Drill.SequenceValues[Drill.RecallIndex]));
        EXPECT_EQ(StripWrong(Shot(), width), 0) << width;
    }
    EXPECT_TRUE(session.OpenBox());
}

} // namespace
