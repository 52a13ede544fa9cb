#include "about_dialog.h"

#include "colours.h"
#include "ids.h"
#include "ui_state.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

struct Link {
    int Id;
    const char* Target;
};

// In the order they are set up; each target is also its tooltip.
constexpr Link Links[] = {
    {ID_LINK_SITE, "http://www.brelmo.ru/"},
    {ID_LINK_PAYMENT, "http://www.webmoney.ru/"},
    {ID_LINK_MAIL, "mailto:support@brelmo.ru"},
};

// The tooltip window lives while the box does; the tooltip keeps its own copy of each tool.
void SetUpAboutBox(HWND dialog)
{
    Ui.AboutBox = dialog;
    Ui.Tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, Ui.Instance, nullptr);
    TTTOOLINFOA tool;
    RtlZeroMemory(&tool, sizeof tool);
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hinst = Ui.Instance;

    SendDlgItemMessageA(dialog, ID_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(Ui.LabelFont), FALSE);

    for (const Link& link : Links) {
        const HWND control = GetDlgItem(dialog, link.Id);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = const_cast<char*>(link.Target);
        SendMessageA(Ui.Tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        const LONG_PTR kept = SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkLabel));
        SetWindowLongPtrA(control, GWLP_USERDATA, kept);
    }
}

void OpenLink(HWND control)
{
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const HWND dialog = GetParent(control);
    for (const Link& link : Links) {
        if (GetDlgItem(dialog, link.Id) == control) {
            ShellExecuteA(nullptr, "open", link.Target, nullptr, nullptr, SW_SHOWNORMAL);
            return;
        }
    }
}

} // namespace

INT_PTR CALLBACK AboutDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetUpAboutBox(dialog);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        // Each control answers for itself: the links in blue, every other one with the defaults.
        return SendMessageA(reinterpret_cast<HWND>(lParam), WM_CTLCOLORSTATIC, wParam, lParam);
    case WM_COMMAND:
        if (static_cast<DWORD>(wParam) == ID_ABOUT_OK)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_DESTROY:
        DestroyWindow(Ui.Tooltip);
        Ui.Tooltip = nullptr;
        Ui.AboutBox = nullptr;
        return TRUE;
    }
    return FALSE;
}

LRESULT CALLBACK LinkLabel(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, LinkColour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_NCHITTEST:
        // The whole label is client area, so that it gets the mouse.
        return HTCLIENT;
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(nullptr, IDC_HAND));
        return 0;
    case WM_LBUTTONDOWN:
        OpenLink(control);
        return 0;
    }
    const auto kept = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_USERDATA));
    return CallWindowProcA(kept, control, message, wParam, lParam);
}
