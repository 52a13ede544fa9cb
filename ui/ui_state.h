// The windows' own state: handles and graphics objects with the lifetime of the process,
// made when the main dialog opens and released when it is destroyed.
#ifndef TALLYRA_UI_UI_STATE_H
#define TALLYRA_UI_UI_STATE_H

#include <windows.h>

struct UiState {
    // The module the dialogs and pictures come from.
    HINSTANCE Instance;
    HWND Dialog;
    HWND Sequence;
    HWND Balloon;

    HBITMAP BackgroundBitmap;
    HBRUSH PatternBrush;
    HFONT LabelFont;
    HFONT CountdownFont;
    HFONT SequenceFont;
    // For a series too long to be seen whole in SequenceFont.
    HFONT CompactSequenceFont;
    HDC ProgressDC;
    HBITMAP ProgressBitmap;
    // Where the countdown's digits replace the timer icon, in dialog client pixels.
    RECT DigitsRect;

    // The balloon's picture, drawn once when it is created.
    HDC BalloonDC;
    HBITMAP BalloonBitmap;

    // The About box and its tooltip window, while the box is open.
    HWND AboutBox;
    HWND Tooltip;
};

extern constinit UiState Ui;

#endif
