// What the main window shows of its own, its theme and the hint balloon, as the screen shows them.
#include "dialog_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr COLORREF LabelBlue = RGB(34, 119, 204), CountdownRed = RGB(232, 17, 0);
constexpr RECT Strip = {142, 86, 270, 100};  // inside the etched frame of (140, 84)-(272, 102)

// Where in the area the pixels of the colour are: empty if nowhere.
RECT Where(const Picture& shot, const RECT& area, COLORREF colour)
{
    return shot.Around(area, [=](int, int, COLORREF pixel) { return pixel == colour; });
}

// What the balloon shows, as the user would describe it: a black outline, here on the pointer's
// upright edge, the body's sides and its bottom, round a white body with a value in blue, centred.
// (Which value is the engine's to tell.)
std::string Balloon(Picture* shown = nullptr)
{
    if (!IsWindowVisible(Ui.Balloon))
        return "hidden";
    const Picture shot = DialogSession::Shot(Ui.Balloon);
    const RECT value = Where(shot, {4, 20, 46, 38}, LabelBlue);
    if (shown)
        *shown = shot;
    const bool outlined = shot(10, 10) == 0 && shot(0, 29) == 0 && shot(49, 29) == 0 && shot(25, 39) == 0;
    return std::string(outlined && shot(5, 29) == RGB(255, 255, 255) ? "" : "not black on white, ") +
           (IsRectEmpty(&value) ? "no blue value" : "blue value") +
           (std::abs(value.left + value.right - 50) > 3 || std::abs(value.top + value.bottom - 58) > 4 ? " not centred" : "");
}

class Painting : public testing::Test {
protected:
    // The dialog's background is its texture, tiled from the client area's corner.
    bool IsTexture(int x, int y, COLORREF pixel) const { return pixel == texture(x % 128, y % 128); }
    RECT Place(int id)
    {
        RECT place;
        GetWindowRect(session.Control(id), &place);
        MapWindowPoints(nullptr, Ui.Dialog, reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    // Takes a shot of the dialog and tells how many of the strip's columns show other than the texture.
    int StripFilled()
    {
        shot = DialogSession::Shot(Ui.Dialog);
        return shot.Around(Strip, [&](int x, int y, COLORREF pixel) { return !IsTexture(x, y, pixel); }).right - Strip.left;
    }
    // Where the countdown's red is, on the whole dialog.
    RECT Red() const { return Where(shot, {0, 0, shot.width, shot.height}, CountdownRed); }

    const HBITMAP textureBitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND));
    const Picture texture = Picture::Of(textureBitmap, 128, 128);
    Picture shot;
    DialogSession session;
};

TEST_F(Painting, TheThemeAndADrillWithHintsAsTheScreenShowsThem)
{
    // "?" clicked by another program while idle shows nothing.
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_HINT, 0);
    session.Settle();
    EXPECT_EQ(Balloon(), "hidden");
    // Count and time as the template has them, the strip full in its etched frame (a shadow line
    // outside a white one at the top and left, inside it at the bottom and right), no countdown.
    EXPECT_EQ(session.Text(session.Control(ID_COUNT)) + " " + session.Text(session.Control(ID_TIME)), "3 3");
    EXPECT_EQ(StripFilled(), 128);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), white = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ((std::vector{shot(206, 84), shot(206, 85), shot(140, 93), shot(141, 93), shot(206, 100), shot(206, 101), shot(270, 93), shot(271, 93)}),
              (std::vector{shadow, white, shadow, white, shadow, white, shadow, white}));
    // Blue labels and radio captions right on the texture: beside a radio's circle every pixel is
    // the texture or a shade of the blue text, none the grey or white of a box behind it.
    for (int id : {ID_COUNT_LABEL, ID_TIME_LABEL, ID_RANGE_DIGITS, ID_RANGE_NUMBERS}) {
        const RECT place = Place(id), text = Where(shot, place, LabelBlue);
        EXPECT_GT(text.right - text.left, 10) << id;
        const RECT boxed = shot.Around({place.left + 16, place.top, place.right, place.bottom}, [&](int x, int y, COLORREF pixel) {
            return !IsTexture(x, y, pixel) && GetBValue(pixel) <= GetRValue(pixel);
        });
        EXPECT_TRUE(IsRectEmpty(&boxed)) << id;
    }
    // The icon's rounded tile leaves the corners of its place to the texture.
    const RECT icon = Place(ID_TIMER_ICON);
    for (const POINT corner : {POINT{icon.left, icon.top}, {icon.right - 1, icon.top}, {icon.left, icon.bottom - 1}, {icon.right - 1, icon.bottom - 1}})
        EXPECT_TRUE(IsTexture(corner.x, corner.y, shot(corner.x, corner.y))) << corner.x << "," << corner.y;
    // What the dialog draws there itself, seen as it repaints that place without the icon: no countdown.
    RedrawWindow(Ui.Dialog, &icon, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    shot = DialogSession::Shot(Ui.Dialog);
    const RECT idleRed = Red();
    EXPECT_TRUE(IsRectEmpty(&idleRed));

    Drill.RngState = 1;  // the first tick count: the numbers 34, 29, 63
    session.TabTo(ID_TIME);
    session.Type("2\x1b\r");  // Esc does nothing; Enter starts, with the time still being typed
    const DWORD started = GetTickCount();
    // Each second its own figure in red, centred to a pixel both ways where the icon was; the strip
    // stays full.
    Picture figures[2];
    for (int second = 2; second > 0; --second) {
        ASSERT_TRUE(session.WaitUntil([&] { return Drill.Countdown == second; }));
        EXPECT_EQ(StripFilled(), 128);
        const RECT figure = shot.Around(icon, [&](int x, int y, COLORREF pixel) { return !IsTexture(x, y, pixel); }), red = Red();
        EXPECT_TRUE(!IsRectEmpty(&red) && red.left >= icon.left && red.right <= icon.right && red.top >= icon.top && red.bottom <= icon.bottom);
        EXPECT_LE(std::max(std::abs(figure.top + figure.bottom - icon.top - icon.bottom), std::abs(figure.left + figure.right - icon.left - icon.right)), 1) << second;
        figures[second - 1] = shot;
    }
    EXPECT_NE(figures[0].pixels, figures[1].pixels);
    ASSERT_TRUE(session.Recalling());
    EXPECT_GE(GetTickCount() - started, 1950u);  // the series was shown for its two seconds
    EXPECT_EQ(StripFilled(), 0);
    const RECT red = Red();
    EXPECT_TRUE(IsRectEmpty(&red));
    // "?" shows a balloon pointing 31 pixels into the answer field and 6 above its bottom; the
    // field keeps the focus. Beside the pointer, within its rectangle, the mouse goes through.
    Picture first, second;
    session.Click(ID_HINT);
    EXPECT_EQ(Balloon(&first), "blue value");
    EXPECT_EQ(GetFocus(), session.Control(ID_ANSWER));
    RECT balloon, field;
    GetWindowRect(Ui.Balloon, &balloon);
    GetWindowRect(session.Control(ID_ANSWER), &field);
    EXPECT_EQ(std::make_pair(balloon.left + 10, balloon.top + 1), std::make_pair(field.left + 31, field.bottom - 6));
    EXPECT_NE(WindowFromPoint({balloon.left + 45, balloon.top + 5}), Ui.Balloon);
    // Each value taken fills its share of the strip, to the nearest pixel, and hides the balloon,
    // and so do the answer field losing the focus and a click on the balloon.
    session.Type("a34");  // the letter is refused
    EXPECT_EQ(Balloon() + " " + std::to_string(StripFilled()), "hidden 43");
    session.Click(ID_HINT);
    EXPECT_EQ(Balloon(&second), "blue value");
    EXPECT_NE(first.pixels, second.pixels);  // the next value, not the last
    session.TabTo(ID_EXIT);
    EXPECT_EQ(Balloon(), "hidden");
    session.TabTo(ID_ANSWER);
    session.Click(ID_HINT);
    SendMessageA(Ui.Balloon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 30));
    EXPECT_EQ(Balloon(), "hidden");
    session.Type("29");
    EXPECT_EQ(Balloon() + " " + std::to_string(StripFilled()), "hidden 85");
    session.Type("63");
    EXPECT_EQ(StripFilled(), 128);  // while the success box is up
}

} // namespace
