// The speech balloon that shows the value expected next, just below the answer field.
#ifndef TALLYRA_UI_HINT_BALLOON_H
#define TALLYRA_UI_HINT_BALLOON_H

#include <windows.h>

// Once per process, before the main dialog opens.
void RegisterHintBalloonClass();
// Hidden until shown; owned by the dialog, so it is destroyed with it.
void CreateHintBalloon(HWND dialog);
// Shows the balloon pointing into the answer field, which keeps the focus.
void ShowHint();
void HideHint();

#endif
