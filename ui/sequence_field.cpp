#include "sequence_field.h"

#include "ids.h"
#include "ui_state.h"

namespace {

// A series has no spaces, so the field would break a line wherever it is full: inside a
// value ("…,9" and "0,…" for 90) or before a comma. Its lines break only right after a comma.
// The version-6 field hands the procedure wide text, the classic one single-byte text.
template <class Char>
int CALLBACK BreakAfterComma(Char* text, int index, int length, int action)
{
    switch (action) {
    case WB_LEFT: // the last place before index where a line may begin
        for (--index; index > 0 && text[index - 1] != ','; --index) {
        }
        return index > 0 ? index : 0;
    case WB_RIGHT: // the first such place after index
        while (index < length && text[index++] != ',') {
        }
        return index;
    case WB_ISDELIMITER:
        return text[index] == ',';
    }
    return 0;
}

// A field of several lines in a dialog closes the dialog on Esc. Clicked into, this one would end
// the program on a key that does nothing anywhere else in the window.
LRESULT CALLBACK IgnoreEscape(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE)
        return 0;
    const auto kept = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_USERDATA));
    return CallWindowProcA(kept, field, message, wParam, lParam);
}

void SetFont(HFONT font)
{
    SendMessageA(Ui.Sequence, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

} // namespace

void CreateSequenceField(HWND dialog)
{
    Ui.Sequence = CreateWindowExA(WS_EX_STATICEDGE, "edit", nullptr, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY,
                                  15, 10, 305, 64, dialog, reinterpret_cast<HMENU>(ID_SEQUENCE), Ui.Instance, nullptr);
    const auto breaks = IsWindowUnicode(Ui.Sequence) ? reinterpret_cast<LPARAM>(BreakAfterComma<WCHAR>)
                                                     : reinterpret_cast<LPARAM>(BreakAfterComma<char>);
    SendMessageA(Ui.Sequence, EM_SETWORDBREAKPROC, 0, breaks);
    const LONG_PTR kept = SetWindowLongPtrA(Ui.Sequence, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IgnoreEscape));
    SetWindowLongPtrA(Ui.Sequence, GWLP_USERDATA, kept);
    SetFont(Ui.SequenceFont);
}

void ShowSequence(const char* text)
{
    SetWindowTextA(Ui.Sequence, text);
    // The field has no scroll bar: every value must be seen while the series is shown.
    SetFont(Ui.SequenceFont);
    const HDC dc = GetDC(Ui.Sequence);
    const HGDIOBJ kept = SelectObject(dc, Ui.SequenceFont);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, kept);
    ReleaseDC(Ui.Sequence, dc);
    RECT area;
    SendMessageA(Ui.Sequence, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const auto lines = SendMessageA(Ui.Sequence, EM_GETLINECOUNT, 0, 0);
    if (lines * metrics.tmHeight > area.bottom - area.top)
        SetFont(Ui.CompactSequenceFont);
    InvalidateRect(Ui.Sequence, nullptr, TRUE);
}
