// The main dialog's pixels as the screen shows them, read back at each step of a drill.
#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

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

// Close enough: the edges of text blend with what is behind them.
auto Near(COLORREF c)
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
    bool IsTexture(int x, int y, COLORREF pixel) const { return pixel == texture(x % 128, y % 128); }

    // The client area as the screen shows it once the paints pending are done.
    Picture Shot()
    {
        std::vector<Picture> shot;
        session.Run([&] {
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
    EXPECT_EQ(before.Count({0, 0, before.width, 8}, notTexture) + before.Count({0, 0, 8, before.height}, notTexture), 0);
    for (int id : {ID_COUNT_LABEL, ID_TIME_LABEL, ID_RANGE_DIGITS, ID_RANGE_NUMBERS}) {
        RECT place;
        GetWindowRect(session.Control(id), &place);
        MapWindowPoints(nullptr, session.Dialog(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_GT(before.Count(place, Near(LabelColour)), 15) << id;
        // No button-face grey box behind the text (the visual-style radio glyph has a few such pixels).
        EXPECT_LE(before.Count(place, [&](int x, int y, COLORREF pixel) {
                      return pixel == GetSysColor(COLOR_BTNFACE) && notTexture(x, y, pixel);
                  }), 8) << id;
    }
    EXPECT_EQ(StripWrong(before, StripWidth), 0);

    session.TabTo(ID_TIME);
    session.Type("2\r");
    // Each second its own figure in red where the icon was, and red nowhere else; the strip stays full.
    const auto red = Near(CountdownColour);
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
    session.KeepBoxesOpen(true);
    for (int width : {43, 85, 128}) {
        session.Type(std::to_string(Drill.SequenceValues[Drill.RecallIndex]));
        EXPECT_EQ(StripWrong(Shot(), width), 0) << width;
    }
    EXPECT_TRUE(session.OpenBox());
}

} // namespace
