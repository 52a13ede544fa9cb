#include "sequence_field.h"

#include "ids.h"
#include "ui_state.h"

namespace {

void SetFont(HFONT font)
{
    SendMessageA(Ui.Sequence, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

} // namespace

void CreateSequenceField(HWND dialog)
{
    Ui.Sequence = CreateWindowExA(WS_EX_STATICEDGE, "edit", nullptr, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY,
                                  15, 10, 305, 64, dialog, reinterpret_cast<HMENU>(ID_SEQUENCE), Ui.Instance, nullptr);
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
