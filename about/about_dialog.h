#ifndef TALLYRA_ABOUT_ABOUT_DIALOG_H
#define TALLYRA_ABOUT_ABOUT_DIALOG_H

#include "ids.h"

#include <windows.h>

// The About box, modal to the main dialog; its three links open through the shell.
INT_PTR CALLBACK AboutDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// A static text control subclassed into a link: blue, a hand cursor, opens its target on a click.
LRESULT CALLBACK LinkLabel(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

struct Link {
    int Id;
    const char* Target;
};

// In the order they are set up; each target is also its tooltip.
inline constexpr Link Links[] = {
    {ID_LINK_SITE, "http://www.brelmo.ru/"},
    {ID_LINK_PAYMENT, "http://www.webmoney.ru/"},
    {ID_LINK_MAIL, "mailto:support@brelmo.ru"},
};

#endif
