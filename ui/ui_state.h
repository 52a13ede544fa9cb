// The windows' own state: handles, graphics objects and scratch records with the lifetime
// of the process, filled when the main dialog opens and released when it closes.
#ifndef TALLYRA_UI_UI_STATE_H
#define TALLYRA_UI_UI_STATE_H

#include <windows.h>
#include <commctrl.h>

struct UiState {
    HWND Dialog;
    HWND Sequence;
    HWND Balloon;
    HWND TimerIcon;
    HWND Answer;
    HWND Count;
    HWND Time;
    HWND Start;
    HWND Hint;
    HWND RangeDigits;
    HWND RangeNumbers;

    HBITMAP BackgroundBitmap;
    HBRUSH PatternBrush;
    LOGFONTA FontRecord;
    HFONT LabelFont;
    HFONT CountdownFont;
    HFONT SequenceFont;
    // For a series too long to be seen whole in SequenceFont.
    HFONT CompactSequenceFont;
    HDC ProgressDC;
    HBITMAP ProgressBitmap;
    RECT DigitsRect;

    // The balloon's picture, drawn once when it is created.
    HDC BalloonDC;
    HBITMAP BalloonBitmap;

    // The About box while it is open, its tooltip window and the record its tools are registered with.
    HWND AboutBox;
    HWND Tooltip;
    TTTOOLINFOA Tool;
};

extern constinit UiState Ui;

// The module a dialog was made from: where its resources come from.
inline HINSTANCE DialogInstance(HWND dialog)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
}

// Where the progress strip sits, in dialog client pixels, its 2-pixel etched edge included.
inline constexpr RECT ProgressRect = {140, 84, 272, 102};
inline constexpr int StripLeft = 142;
inline constexpr int StripTop = 86;
inline constexpr int StripWidth = 128;
inline constexpr int StripHeight = 14;

inline constexpr COLORREF LabelColour = RGB(34, 119, 204);
inline constexpr COLORREF CountdownColour = RGB(232, 17, 0);
inline constexpr COLORREF LinkColour = RGB(0, 0, 255);

#endif
