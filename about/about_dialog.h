#ifndef TALLYRA_ABOUT_ABOUT_DIALOG_H
#define TALLYRA_ABOUT_ABOUT_DIALOG_H

#include <windows.h>

// The About box, modal to the main dialog; its three links open through the shell.
INT_PTR CALLBACK AboutDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// A static text control subclassed into a link: blue, a hand cursor, opens its target on a click.
LRESULT CALLBACK LinkLabel(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

#endif
