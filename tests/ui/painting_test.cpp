// The main dialog's pixels as the screen shows them, read back at each step of a drill.
#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // top row first
    Picture(HDC dc, int width, int height) : width(width), height(height)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(GetPixel(dc, x, y));
    }
    COLORREF operator()(int x, int y) const { return pixels[y * width + x]; }
    RECT Whole() const { return {0, 0, width, height}; }
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

using PixelTest = std::function<bool(int x, int y, COLORREF pixel)>;

int Count(const Picture& shot, const RECT& area, const PixelTest& test)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += test(x, y, shot(x, y));
    return count;
}

PixelTest Near(COLORREF c)  // close enough: the edges of text blend with what is behind them
{
    return [c](int, int, COLORREF p) {
        return std::abs(GetRValue(p) - GetRValue(c)) + std::abs(GetGValue(p) - GetGValue(c)) +
                   std::abs(GetBValue(p) - GetBValue(c)) <= 60;
    };
}

class Painting : public testing::Test {
protected:
    DialogSession session;
    const Picture texture = Resource(IDB_BACKGROUND, 128, 128), strip = Resource(IDB_PROGRESS, StripWidth, StripHeight);
    // The texture tiles the client area from its corner.
    const PixelTest isTexture = [this](int x, int y, COLORREF pixel) { return pixel == texture(x % 128, y % 128); };

    // The client area as the screen shows it once the paints pending are done.
    Picture Shot()
    {
        std::optional<Picture> picture;
        session.Run([&] {
            UpdateWindow(session.Dialog());
            RECT client;
            GetClientRect(session.Dialog(), &client);
            const HDC dc = GetDC(session.Dialog());
            picture.emplace(dc, client.right, client.bottom);
            ReleaseDC(session.Dialog(), dc);
        });
        return *picture;
    }

    // Pixels of the strip that are not its picture over the first columns and the texture over the rest.
    int StripWrong(const Picture& shot, int columns) const
    {
        return Count(shot, {StripLeft, StripTop, StripLeft + StripWidth, StripTop + StripHeight},
                     [&](int x, int y, COLORREF pixel) {
                         return x < StripLeft + columns ? pixel != strip(x - StripLeft, y - StripTop)
                                                        : !isTexture(x, y, pixel);
                     });
    }
};

TEST_F(Painting, TextureAllOverAndBlueLabelsWithoutABox)
{
    const Picture shot = Shot();
    const PixelTest notTexture = [&](int x, int y, COLORREF pixel) { return !isTexture(x, y, pixel); };
    for (const RECT margin : {RECT{0, 0, shot.width, 8}, RECT{0, 0, 8, shot.height}})
        EXPECT_EQ(Count(shot, margin, notTexture), 0);
    for (int id : {ID_COUNT_LABEL, ID_TIME_LABEL, ID_RANGE_DIGITS, ID_RANGE_NUMBERS}) {
        SCOPED_TRACE(id);
        RECT place;
        GetWindowRect(session.Control(id), &place);
        MapWindowPoints(nullptr, session.Dialog(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_GT(Count(shot, place, Near(LabelColour)), 15);
        // The texture shows around the text, with no button-face grey box behind it (the
        // visual-style radio glyph has a few such pixels of its own).
        EXPECT_GT(Count(shot, place, isTexture), (place.right - place.left) * (place.bottom - place.top) / 2);
        EXPECT_LE(Count(shot, place, [&](int x, int y, COLORREF pixel) {
                      return pixel == GetSysColor(COLOR_BTNFACE) && notTexture(x, y, pixel);
                  }), 8);
    }
}

TEST_F(Painting, StripAndCountdownFollowTheDrill)
{
    const PixelTest red = Near(CountdownColour);
    Picture before = Shot();
    EXPECT_EQ(StripWrong(before, StripWidth), 0);
    session.TabTo(ID_TIME);
    session.Type("2\r");
    // Each second its own figure in red where the icon was, and red nowhere else; the strip stays full.
    for (int second = 2; second > 0; --second) {
        ASSERT_TRUE(session.WaitUntil([&] { return Drill.Countdown == second; }));
        const Picture shot = Shot();
        EXPECT_EQ(StripWrong(shot, StripWidth), 0);
        EXPECT_GT(Count(shot, Ui.DigitsRect, red), 20);
        EXPECT_EQ(Count(shot, shot.Whole(), red), Count(shot, Ui.DigitsRect, red));
        EXPECT_GT(Count(shot, Ui.DigitsRect, [&](int x, int y, COLORREF pixel) { return pixel != before(x, y); }), 20);
        before = shot;
    }
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }));
    const Picture recall = Shot();
    EXPECT_EQ(StripWrong(recall, 0), 0);
    EXPECT_EQ(Count(recall, recall.Whole(), red), 0);
    // The strip grows with each value, and is read while the success box is still up.
    session.KeepBoxesOpen(true);
    for (int width : {43, 85, 128}) {
        session.Type(std::to_string(Drill.SequenceValues[Drill.RecallIndex]));
        EXPECT_EQ(StripWrong(Shot(), width), 0) << width;
    }
    EXPECT_TRUE(session.OpenBox());
}

} // namespace
