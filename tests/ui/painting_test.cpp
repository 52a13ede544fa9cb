// What the main window shows of its own, its theme, the series field and the hint balloon, as the
// screen shows them.
#include "dialog_session.h"
#include "sequence_field.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr COLORREF LabelBlue = RGB(34, 119, 204), CountdownRed = RGB(232, 17, 0);
constexpr RECT Strip = {142, 86, 270, 100}; // inside the etched frame of (140, 84)-(272, 102)

// What the balloon shows, as the user would describe it: a black outline, here on the pointer's
// upright edge, the body's sides and its bottom, round a white body with a value in blue, centred.
// (Which value is the engine's to tell.)
std::string Balloon(Picture* shown = nullptr)
{
    if (!IsWindowVisible(Ui.Balloon))
        return "hidden";
    const Picture shot = DialogSession::Shot(Ui.Balloon);
    const RECT value = shot.Where({4, 20, 46, 38}, LabelBlue);
    if (shown)
        *shown = shot;
    const bool outlined = shot(10, 10) == 0 && shot(0, 29) == 0 && shot(49, 29) == 0 && shot(25, 39) == 0;
    return std::string(outlined && shot(5, 29) == RGB(255, 255, 255) ? "" : "not black on white, ") +
        (IsRectEmpty(&value) ? "no blue value" : "blue value") +
        (std::abs(value.left + value.right - 50) > 3 || std::abs(value.top + value.bottom - 58) > 4 ? " not centred"
                                                                                                    : "");
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
    // Takes a shot of the dialog and tells what it draws of its own, as the user would: how many of
    // the strip's columns show other than the texture, whether its frame is etched (a shadow line
    // outside a white one at the top and left, inside it at the bottom and right), and where the
    // countdown's red is: in a figure centred to a pixel both ways where the icon stands.
    std::string Drawn()
    {
        shot = DialogSession::Shot(Ui.Dialog);
        const auto drawn = [&](int x, int y, COLORREF pixel) { return !IsTexture(x, y, pixel); };
        const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), white = GetSysColor(COLOR_BTNHIGHLIGHT);
        const bool etched = std::vector {shot(206, 84),  shot(206, 85),  shot(140, 93), shot(141, 93),
                                         shot(206, 100), shot(206, 101), shot(270, 93), shot(271, 93)} ==
            std::vector {shadow, white, shadow, white, shadow, white, shadow, white};
        const RECT icon = Place(ID_TIMER_ICON), red = shot.Where({0, 0, shot.width, shot.height}, CountdownRed),
                   figure = shot.Around(icon, drawn);
        const bool centredInIcon = red.left >= icon.left && red.right <= icon.right && red.top >= icon.top &&
            red.bottom <= icon.bottom && std::abs(figure.left + figure.right - icon.left - icon.right) <= 1 &&
            std::abs(figure.top + figure.bottom - icon.top - icon.bottom) <= 1;
        return "strip " + std::to_string(shot.Around(Strip, drawn).right - Strip.left) +
            (etched ? " in its etched frame" : " unframed") +
            (IsRectEmpty(&red)   ? ""
                 : centredInIcon ? ", a red figure centred on the icon's place"
                                 : ", red astray");
    }

    const Picture texture =
        Picture::Of(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BACKGROUND)), 128, 128);
    Picture shot;
    DialogSession session;
};

TEST_F(Painting, TheThemeAndADrillWithHintsAsTheScreenShowsThemUntilClosedUnderThePraise)
{
    // "?" clicked by another program while idle shows nothing.
    PostMessageA(Ui.Dialog, WM_COMMAND, ID_HINT, 0);
    session.Settle();
    EXPECT_EQ(Balloon(), "hidden");
    // Count and time as the template has them, the strip full, no countdown.
    EXPECT_EQ(session.Text(session.Control(ID_COUNT)) + " " + session.Text(session.Control(ID_TIME)), "3 3");
    EXPECT_EQ(Drawn(), "strip 128 in its etched frame");
    // Blue labels and radio captions right on the texture: beside a radio's circle every pixel is
    // the texture or a shade of the blue text, none the grey or white of a box behind it.
    for (int id : {ID_COUNT_LABEL, ID_TIME_LABEL, ID_RANGE_DIGITS, ID_RANGE_NUMBERS}) {
        const RECT place = Place(id), text = shot.Where(place, LabelBlue),
                   boxed = shot.Around({place.left + 16, place.top, place.right, place.bottom},
                                       [&](int x, int y, COLORREF pixel) {
                                           return !IsTexture(x, y, pixel) && GetBValue(pixel) <= GetRValue(pixel);
                                       });
        EXPECT_EQ(std::string(text.right - text.left > 10 ? "blue text" : "no blue text") +
                      (IsRectEmpty(&boxed) ? "" : " on a box"),
                  "blue text")
            << id;
    }
    // The icon's rounded tile leaves the corners of its place to the texture.
    const RECT icon = Place(ID_TIMER_ICON);
    for (const POINT corner : {POINT {icon.left, icon.top},
                               {icon.right - 1, icon.top},
                               {icon.left, icon.bottom - 1},
                               {icon.right - 1, icon.bottom - 1}})
        EXPECT_TRUE(IsTexture(corner.x, corner.y, shot(corner.x, corner.y))) << corner.x << "," << corner.y;
    // What the dialog draws there itself, seen as it repaints that place without the icon: no countdown.
    RedrawWindow(Ui.Dialog, &icon, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
    EXPECT_EQ(Drawn(), "strip 128 in its etched frame");

    Drill.RngState = 1; // the first tick count: the numbers 34, 29, 63
    session.TabTo(ID_TIME);
    session.Type("2\x1b\r"); // Esc does nothing; Enter starts, with the time still being typed
    const DWORD started = GetTickCount();
    // Each second its own figure, where the icon was; the strip stays full.
    Picture figures[2];
    for (int second = 2; second > 0; --second) {
        ASSERT_TRUE(session.WaitUntil([&] { return Drill.Countdown == second; }));
        EXPECT_EQ(Drawn(), "strip 128 in its etched frame, a red figure centred on the icon's place") << second;
        figures[second - 1] = shot;
    }
    EXPECT_NE(figures[0].pixels, figures[1].pixels);
    ASSERT_TRUE(session.Recalling());
    EXPECT_GE(GetTickCount() - started, 1950u); // the series was shown for its two seconds
    EXPECT_EQ(Drawn(), "strip 0 in its etched frame");
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
    session.Type("a34"); // the letter is refused
    EXPECT_EQ(Balloon() + ", " + Drawn(), "hidden, strip 43 in its etched frame");
    session.Click(ID_HINT);
    EXPECT_EQ(Balloon(&second), "blue value");
    EXPECT_NE(first.pixels, second.pixels); // the next value, not the last
    session.TabTo(ID_EXIT);
    EXPECT_EQ(Balloon(), "hidden");
    session.TabTo(ID_ANSWER);
    session.Click(ID_HINT);
    SendMessageA(Ui.Balloon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 30));
    EXPECT_EQ(Balloon(), "hidden");
    session.Type("29");
    EXPECT_EQ(Balloon() + ", " + Drawn(), "hidden, strip 85 in its etched frame");
    session.Type("63");
    EXPECT_EQ(Drawn(), "strip 128 in its etched frame"); // while the success box is up
    // Closed from outside under the box, twice, as an impatient program would, the dialog keeps its
    // objects, the series field's font among them, which the drill uses once the box is closed;
    // only then does it end and release them.
    PostMessageA(Ui.Dialog, WM_CLOSE, 0, 0);
    PostMessageA(Ui.Dialog, WM_CLOSE, 0, 0);
    session.Settle();
    EXPECT_EQ(GetObjectType(Ui.SequenceFont), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(session.CloseBox(), "Браво!|Вы запомнили все цифры!|34,29,63");
    EXPECT_TRUE(session.WaitUntil([&] { return session.ended; }));
    EXPECT_EQ(GetObjectType(Ui.SequenceFont), 0u);
}

// A series too long for one line breaks only right after a comma, and one too long for the
// field's own font, Verdana of 14 pixels, takes a smaller one; one that fits has it again.
TEST_F(Painting, EveryValueOfALongSeriesReadsAsItselfAndShows)
{
    const auto series = [](int length, std::vector<int> values) { // the values taken in turn
        std::string text = std::to_string(values[0]);
        for (int i = 1; i < length; ++i)
            text += "," + std::to_string(values[i % values.size()]);
        return text;
    };
    const std::vector<int> numbers = {31, 70, 50, 9, 90, 59, 24, 7, 64, 9, 92, 0, 18, 5, 77, 41, 3, 86};
    // The recall text ends with a comma.
    const struct {
        std::string text;
        bool ownFont;
    } cases[] = {{series(99, numbers), false},
                 {series(99, {3, 8, 1, 0, 6, 2, 9}), false},
                 {series(99, {99}), false},
                 {series(40, numbers) + ",", true}};
    for (const auto& [text, ownFont] : cases) {
        ShowSequence(text.c_str());
        EXPECT_EQ(DialogSession::Text(Ui.Sequence), text);
        // Each line but the first begins right after a comma: no value is split, no line begins with one.
        const auto lines = SendMessageA(Ui.Sequence, EM_GETLINECOUNT, 0, 0);
        EXPECT_GT(lines, 1) << text;
        for (int line = 1; line < lines; ++line)
            EXPECT_EQ(text[SendMessageA(Ui.Sequence, EM_LINEINDEX, line, 0) - 1], ',') << text << " line " << line;
        // The last line lies wholly inside the field.
        const auto top = [&](LRESULT character) {
            return HIWORD(SendMessageA(Ui.Sequence, EM_POSFROMCHAR, character, 0));
        };
        const int lineHeight = top(SendMessageA(Ui.Sequence, EM_LINEINDEX, 1, 0)) - top(0);
        RECT client;
        GetClientRect(Ui.Sequence, &client);
        EXPECT_LE(top(text.size() - 1) + lineHeight, client.bottom) << text;
        LOGFONTA font;
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Ui.Sequence, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight == 14 && font.lfFaceName == std::string("Verdana"), ownFont) << text;
    }
}

} // namespace
