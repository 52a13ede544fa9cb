// What the screen shows: its pixels, and pictures of the windows for tests/ui/pictures.sh to
// compare with the ones a person has reviewed.
#ifndef TALLYRA_TESTS_PICTURES_H
#define TALLYRA_TESTS_PICTURES_H

#include "dialog_session.h"

#include <fstream>
#include <initializer_list>

// A part of the screen as it shows now, whatever windows and frames are there: its pixels, top
// row first, each 0xRRGGBB as a bitmap of 32 bits holds it.
struct Picture {
    LONG width;
    LONG height;
    std::vector<DWORD> pixels;

    explicit Picture(const RECT& area)
        : width(area.right - area.left)
        , height(area.bottom - area.top)
        , pixels(width * height)
    {
        const HDC screen = GetDC(nullptr);
        const HDC copy = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        SelectObject(copy, bitmap);
        BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        DeleteDC(copy);
        BITMAPINFO topRowFirst {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32}};
        GetDIBits(screen, bitmap, 0, height, pixels.data(), &topRowFirst, DIB_RGB_COLORS);
        for (DWORD& pixel : pixels) // the top byte is no colour of the screen's
            pixel &= 0xFFFFFF;
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
    }
    void Save(const std::string& path) const
    {
        const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
        const DWORD bytes = pixels.size() * sizeof(DWORD);
        const BITMAPFILEHEADER file {0x4D42, headers + bytes, 0, 0, headers};
        const BITMAPINFOHEADER info {sizeof info, width, -height, 1, 32};
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&info), sizeof info);
        out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
    }
};

// Once the dialog has done all it was asked, the part of the screen that the windows cover, for
// the picture of that name. The caret blinks, so it is left out.
inline void TakePicture(DialogSession& session, const std::string& name, std::initializer_list<HWND> windows)
{
    HideCaret(nullptr);
    session.Settle();
    RECT area {};
    for (const HWND window : windows) {
        RECT place;
        GetWindowRect(window, &place);
        UnionRect(&area, &area, &place);
    }
    Picture(area).Save(TALLYRA_PICTURES "/" + name + ".bmp");
    ShowCaret(nullptr);
}

#endif
