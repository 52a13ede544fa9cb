#include "main_dialog_controls.h"

#include "hint_balloon.h"
#include "ids.h"
#include "painter.h"
#include "sequence_field.h"
#include "ui_state.h"

static HWND Control(int id)
{
    return GetDlgItem(Ui.Dialog, id);
}

void MainDialogControls::Enable(int control, bool enabled)
{
    EnableWindow(Control(control), enabled);
}

void MainDialogControls::SetText(int control, const char* text)
{
    SetWindowTextA(Control(control), text);
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
    MessageBoxA(Ui.Dialog, text, caption, MB_OK);
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
