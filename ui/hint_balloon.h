#ifndef TALLYRA_UI_HINT_BALLOON_H
#define TALLYRA_UI_HINT_BALLOON_H

#include <windows.h>

// The window class of the balloon that shows the value expected next.
inline constexpr char BalloonClassName[] = "WHelp";

LRESULT CALLBACK HintBalloon(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Shows the balloon pointing into the answer field, which keeps the focus.
void ShowHint();
void HideHint();

#endif
