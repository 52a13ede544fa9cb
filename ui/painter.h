// What the main dialog draws of its own, and its theme.
#ifndef TALLYRA_UI_PAINTER_H
#define TALLYRA_UI_PAINTER_H

#include <windows.h>

// The progress strip, in dialog client pixels, its 2-pixel etched edge included.
inline constexpr RECT ProgressRect = {140, 84, 272, 102};

// Draws the progress strip and, while the series is shown, the countdown.
void PaintMainDialog(HWND dialog);
// The labels, radio captions and icon sit see-through on the dialog's texture.
HBRUSH ThemeStatic(HWND dialog, HDC dc, HWND control);

#endif
