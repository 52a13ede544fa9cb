#include "dialog_operations.h"

#include "hint_balloon.h"
#include "ids.h"
#include "ui_state.h"

constinit DialogOperations MainDialogOperations;

static HWND ControlHandle(int control)
{
    switch (control) {
    case ID_SEQUENCE: return Ui.Sequence;
    case ID_ANSWER: return Ui.Answer;
    case ID_COUNT: return Ui.Count;
    case ID_TIME: return Ui.Time;
    case ID_START: return Ui.Start;
    case ID_HINT: return Ui.Hint;
    case ID_RANGE_DIGITS: return Ui.RangeDigits;
    case ID_RANGE_NUMBERS: return Ui.RangeNumbers;
    case ID_TIMER_ICON: return Ui.TimerIcon;
    }
    return nullptr;
}

void DialogOperations::Enable(int control, bool enabled)
{
    EnableWindow(ControlHandle(control), enabled);
}

// The sequence field has no scroll bar: a series that its own font cannot show whole
// takes the compact one, so that every value can be read while it is shown.
static void FitSequence()
{
    SendMessageA(Ui.Sequence, WM_SETFONT, reinterpret_cast<WPARAM>(Ui.SequenceFont), FALSE);
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
        SendMessageA(Ui.Sequence, WM_SETFONT, reinterpret_cast<WPARAM>(Ui.CompactSequenceFont), FALSE);
    InvalidateRect(Ui.Sequence, nullptr, TRUE);
}

void DialogOperations::SetText(int control, const char* text)
{
    SetWindowTextA(ControlHandle(control), text);
    if (control == ID_SEQUENCE)
        FitSequence();
}

void DialogOperations::ReadText(int control, char* text, int size)
{
    text[0] = '\0';
    GetWindowTextA(ControlHandle(control), text, size);
}

void DialogOperations::ShowTimerIcon(bool shown)
{
    ShowWindow(Ui.TimerIcon, shown ? SW_SHOW : SW_HIDE);
}

void DialogOperations::Focus(int control)
{
    SetFocus(ControlHandle(control));
}

void DialogOperations::Invalidate(DrillArea area)
{
    InvalidateRect(Ui.Dialog, area == DrillArea::Progress ? &ProgressRect : &Ui.DigitsRect, TRUE);
}

void DialogOperations::StartCountdownTimer()
{
    SetTimer(Ui.Dialog, TIMER_COUNTDOWN, 1000, nullptr);
}

void DialogOperations::StopCountdownTimer()
{
    KillTimer(Ui.Dialog, TIMER_COUNTDOWN);
}

void DialogOperations::ShowMessage(const char* text, const char* caption)
{
    MessageBoxA(Ui.Dialog, text, caption, MB_OK);
}

bool DialogOperations::NumbersModeChosen()
{
    return SendMessageA(Ui.RangeNumbers, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogOperations::HideHint()
{
    ::HideHint();
}

std::uint32_t DialogOperations::TickCount()
{
    return GetTickCount();
}
