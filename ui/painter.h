#ifndef TALLYRA_UI_PAINTER_H
#define TALLYRA_UI_PAINTER_H

#include <windows.h>

// Draws the progress strip and, while the series is shown, the countdown.
void PaintMainDialog(HWND dialog);
// The labels, radio captions and icon sit see-through on the dialog's texture.
HBRUSH ThemeStatic(HWND dialog, HDC dc, HWND control);

#endif
