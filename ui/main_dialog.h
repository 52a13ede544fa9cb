#ifndef TALLYRA_UI_MAIN_DIALOG_H
#define TALLYRA_UI_MAIN_DIALOG_H

#include <windows.h>

// The whole program runs inside this modal dialog.
INT_PTR CALLBACK MainDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
