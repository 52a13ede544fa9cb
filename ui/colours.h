// The program's own colours.
#ifndef TALLYRA_UI_COLOURS_H
#define TALLYRA_UI_COLOURS_H

#include <windows.h>

// The labels, the range captions and the balloon's value.
inline constexpr COLORREF LabelColour = RGB(34, 119, 204);
inline constexpr COLORREF CountdownColour = RGB(232, 17, 0);
inline constexpr COLORREF LinkColour = RGB(0, 0, 255);

#endif
