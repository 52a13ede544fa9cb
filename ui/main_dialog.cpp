#include "main_dialog.h"

#include "about_dialog.h"
#include "dialog_operations.h"
#include "drill.h"
#include "drill_state.h"
#include "hint_balloon.h"
#include "ids.h"
#include "painter.h"
#include "ui_state.h"

#include <array>

namespace {

// A command word: the notification code in the high half, the control id in the low half.
constexpr DWORD Command(WORD code, WORD id)
{
    return static_cast<DWORD>(code) << 16 | id;
}

HFONT CreateFontFromRecord(LONG height, LONG weight, const char* face)
{
    Ui.FontRecord.lfHeight = height;
    Ui.FontRecord.lfWeight = weight;
    lstrcpyA(Ui.FontRecord.lfFaceName, face);
    return CreateFontIndirectA(&Ui.FontRecord);
}

void SetFont(HWND control, HFONT font)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void SetUpMainDialog(HWND dialog)
{
    const HINSTANCE instance = DialogInstance(dialog);
    Ui.Dialog = dialog;
    SetClassLongPtrA(dialog, GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN))));

    Ui.BackgroundBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
    const LOGBRUSH pattern = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(Ui.BackgroundBitmap)};
    Ui.PatternBrush = CreateBrushIndirect(&pattern);

    // One record serves the three fonts; each changes only its own fields.
    RtlZeroMemory(&Ui.FontRecord, sizeof Ui.FontRecord);
    Ui.FontRecord.lfPitchAndFamily = FF_ROMAN | DEFAULT_PITCH;
    Ui.LabelFont = CreateFontFromRecord(15, 600, "");
    Ui.CountdownFont = CreateFontFromRecord(35, 700, "Garamond");
    Ui.SequenceFont = CreateFontFromRecord(14, 400, "Verdana");
    // 99 two-digit values fit the sequence field in this one.
    Ui.CompactSequenceFont = CreateFontFromRecord(10, 400, "Verdana");

    Ui.Sequence = CreateWindowExA(WS_EX_STATICEDGE, "edit", nullptr,
                                  WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 15, 10, 305, 64, dialog,
                                  reinterpret_cast<HMENU>(ID_SEQUENCE), instance, nullptr);
    Ui.Balloon = CreateWindowExA(WS_EX_TOPMOST, BalloonClassName, BalloonClassName, WS_POPUP, 0, 0, 50, 40, dialog,
                                 nullptr, instance, nullptr);

    Ui.TimerIcon = GetDlgItem(dialog, ID_TIMER_ICON);
    Ui.Answer = GetDlgItem(dialog, ID_ANSWER);
    Ui.Count = GetDlgItem(dialog, ID_COUNT);
    Ui.Time = GetDlgItem(dialog, ID_TIME);
    Ui.Start = GetDlgItem(dialog, ID_START);
    Ui.Hint = GetDlgItem(dialog, ID_HINT);
    Ui.RangeDigits = GetDlgItem(dialog, ID_RANGE_DIGITS);
    Ui.RangeNumbers = GetDlgItem(dialog, ID_RANGE_NUMBERS);

    SetFont(Ui.RangeDigits, Ui.LabelFont);
    SetFont(Ui.RangeNumbers, Ui.LabelFont);
    SetFont(Ui.Answer, Ui.LabelFont);
    SetFont(Ui.Sequence, Ui.SequenceFont);
    // No font means the system font.
    SetFont(Ui.Hint, nullptr);
    SetFont(GetDlgItem(dialog, ID_TIME_LABEL), nullptr);
    SetFont(GetDlgItem(dialog, ID_COUNT_LABEL), nullptr);
    // Two digits fit the number fields whatever margins their font would bring, and a third
    // is refused: a field holds no more than its commit reads.
    for (const HWND field : std::to_array({Ui.Count, Ui.Time, Ui.Answer})) {
        SendMessageA(field, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        SendMessageA(field, EM_LIMITTEXT, NumberTextSize - 1, 0);
    }

    const HDC dialogDC = GetDC(dialog);
    Ui.ProgressDC = CreateCompatibleDC(dialogDC);
    ReleaseDC(dialog, dialogDC);
    Ui.ProgressBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_PROGRESS));
    SelectObject(Ui.ProgressDC, Ui.ProgressBitmap);

    // A fresh program drills two-digit numbers.
    SendMessageA(Ui.RangeNumbers, BM_SETCHECK, BST_CHECKED, 0);

    GetWindowRect(Ui.TimerIcon, &Ui.DigitsRect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&Ui.DigitsRect), 2);
}

void TearDown(HWND dialog)
{
    // Closed from outside while the About box is open: the box goes first, as it uses LabelFont.
    if (Ui.AboutBox)
        SendMessageA(Ui.AboutBox, WM_CLOSE, 0, 0);
    KillTimer(dialog, TIMER_COUNTDOWN);
    DeleteObject(Ui.PatternBrush);
    DeleteObject(Ui.BackgroundBitmap);
    DeleteObject(Ui.LabelFont);
    DeleteObject(Ui.CountdownFont);
    DeleteObject(Ui.SequenceFont);
    DeleteObject(Ui.CompactSequenceFont);
    DeleteDC(Ui.ProgressDC);
    DeleteObject(Ui.ProgressBitmap);
    EndDialog(dialog, 0);
}

void ShowContextMenu(HWND dialog)
{
    const HMENU menu = LoadMenuA(DialogInstance(dialog), MAKEINTRESOURCEA(IDM_CONTEXT));
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenuEx(GetSubMenu(menu, 0), 0, cursor.x, cursor.y, dialog, nullptr);
    DestroyMenu(menu);
}

INT_PTR RouteCommand(HWND dialog, WPARAM wParam)
{
    switch (static_cast<DWORD>(wParam)) {
    case Command(BN_CLICKED, ID_EXIT):
        TearDown(dialog);
        return TRUE;
    case Command(BN_CLICKED, ID_START):
        OnStartStop(MainDialogOperations);
        return 0;
    case Command(EN_KILLFOCUS, ID_TIME):
        OnTimeCommitted(MainDialogOperations);
        return 0;
    case Command(EN_KILLFOCUS, ID_COUNT):
        OnCountCommitted(MainDialogOperations);
        return 0;
    case Command(EN_CHANGE, ID_ANSWER):
        OnAnswerChanged(MainDialogOperations);
        return 0;
    case Command(BN_CLICKED, ID_HINT):
        ShowHint();
        return 0;
    case Command(EN_KILLFOCUS, ID_ANSWER):
        OnAnswerLostFocus(MainDialogOperations);
        return 0;
    case Command(0, ID_ABOUT):
        DialogBoxParamA(DialogInstance(dialog), MAKEINTRESOURCEA(IDD_ABOUT), dialog, AboutDialog, 0);
        return 0;
    }
    return TRUE;
}

} // namespace

INT_PTR CALLBACK MainDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetUpMainDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        return RouteCommand(dialog, wParam);
    case WM_PAINT:
        PaintMainDialog(dialog);
        return 0;
    case WM_ACTIVATE:
        // During recall the answer field has the focus whenever the dialog comes back, also
        // when recall began behind the About box, while the dialog could not take the focus.
        if (LOWORD(wParam) == WA_INACTIVE || Drill.Phase != DrillPhase::Recall)
            return FALSE;
        SetFocus(Ui.Answer);
        return TRUE;
    case WM_TIMER:
        OnTimer(MainDialogOperations, wParam);
        return 0;
    case WM_RBUTTONDOWN:
        ShowContextMenu(dialog);
        return 0;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(Ui.PatternBrush);
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(ThemeStatic(dialog, reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam)));
    case WM_CLOSE:
        TearDown(dialog);
        return TRUE;
    }
    return FALSE;
}
