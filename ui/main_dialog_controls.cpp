#include "main_dialog_controls.h"

#include "drill_state.h"
#include "hint_balloon.h"
#include "ids.h"
#include "painter.h"
#include "sequence_field.h"
#include "ui_state.h"

static HWND Control(int id)
{
    return GetDlgItem(Ui.Dialog, id);
}

// The engine's texts are UTF-8. The wide entry points show them as they are under any code page
// of the system, where the ANSI ones would read their bytes in that code page. A null text is empty.
static const wchar_t* Widen(const char* text, wchar_t (&wide)[SequenceTextSize])
{
    wide[0] = L'\0';
    if (text)
        MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, SequenceTextSize);
    return wide;
}

void MainDialogControls::Enable(int control, bool enabled)
{
    EnableWindow(Control(control), enabled);
}

void MainDialogControls::SetText(int control, const char* text)
{
    wchar_t wide[SequenceTextSize];
    SetWindowTextW(Control(control), Widen(text, wide));
}

void MainDialogControls::ShowSequence(const char* text)
{
    ::ShowSequence(text);
}

void MainDialogControls::ReadText(int control, char* text, int size)
{
    text[0] = '\0';
    GetWindowTextA(Control(control), text, size);
}

void MainDialogControls::ShowTimerIcon(bool shown)
{
    ShowWindow(Control(ID_TIMER_ICON), shown ? SW_SHOW : SW_HIDE);
}

void MainDialogControls::Focus(int control)
{
    SetFocus(Control(control));
}

void MainDialogControls::Invalidate(DrillArea area)
{
    InvalidateRect(Ui.Dialog, area == DrillArea::Progress ? &ProgressRect : &Ui.DigitsRect, TRUE);
}

void MainDialogControls::StartCountdownTimer()
{
    SetTimer(Ui.Dialog, TIMER_COUNTDOWN, 1000, nullptr);
}

void MainDialogControls::StopCountdownTimer()
{
    KillTimer(Ui.Dialog, TIMER_COUNTDOWN);
}

void MainDialogControls::ShowMessage(const char* text, const char* caption)
{
    wchar_t wideText[SequenceTextSize];
    wchar_t wideCaption[SequenceTextSize];
    MessageBoxW(Ui.Dialog, Widen(text, wideText), Widen(caption, wideCaption), MB_OK);
}

bool MainDialogControls::NumbersModeChosen()
{
    return IsDlgButtonChecked(Ui.Dialog, ID_RANGE_NUMBERS) == BST_CHECKED;
}

void MainDialogControls::ShowHint()
{
    ::ShowHint();
}

void MainDialogControls::HideHint()
{
    ::HideHint();
}

std::uint32_t MainDialogControls::TickCount()
{
    return GetTickCount();
}
