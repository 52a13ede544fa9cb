// What the screen shows: its pixels, and pictures of the windows for tests/ui/pictures.sh to
// compare with the ones a person has reviewed.
#ifndef TALLYRA_TESTS_PICTURES_H
#define TALLYRA_TESTS_PICTURES_H

#include "dialog_session.h"

#include <fstream>
#include <initializer_list>

// The pixels of a part of the screen as it shows now, whatever windows and frames are there: top
// row first, each 0xRRGGBB as a bitmap of 32 bits holds it.
inline std::vector<DWORD> ScreenPixels(const RECT& area)
{
    const LONG width = area.right - area.left;
    const LONG height = area.bottom - area.top;
    std::vector<DWORD> pixels(width * height);
    const HDC screen = GetDC(nullptr);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    DeleteDC(copy);
    BITMAPINFO topRowFirst {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32}};
    GetDIBits(screen, bitmap, 0, height, pixels.data(), &topRowFirst, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (DWORD& pixel : pixels) // the top byte is no colour of the screen's
        pixel &= 0xFFFFFF;
    return pixels;
}

// Once the dialog has done all it was asked, the part of the screen that the windows cover, as
// the bitmap file of the picture of that name in the folder that TALLYRA_PICTURES names, if it
// names one. The caret blinks, so it is left out.
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
    const std::vector<DWORD> pixels = ScreenPixels(area);
    ShowCaret(nullptr);
    const BITMAPINFOHEADER topRowFirst {sizeof topRowFirst, area.right - area.left, area.top - area.bottom, 1, 32};
    const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof topRowFirst;
    const BITMAPFILEHEADER file {0x4D42, static_cast<DWORD>(headers + pixels.size() * 4), 0, 0, headers};
    char folder[MAX_PATH];
    if (!GetEnvironmentVariableA("TALLYRA_PICTURES", folder, sizeof folder))
        return;
    std::ofstream out(folder + ("/" + name) + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&topRowFirst), sizeof topRowFirst);
    out.write(reinterpret_cast<const char*>(pixels.data()), pixels.size() * 4);
}

#endif
