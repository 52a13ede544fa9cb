#include "main_dialog.h"

#include "about_dialog.h"
#include "drill.h"
#include "drill_state.h"
#include "hint_balloon.h"
#include "ids.h"
#include "main_dialog_controls.h"
#include "painter.h"
#include "sequence_field.h"
#include "ui_state.h"

#include <initializer_list>

namespace {

// The drill engine reaches the dialog through these.
constinit MainDialogControls Controls;

// A command word: the notification code in the high half, the control id in the low half.
constexpr DWORD Command(WORD code, WORD id)
{
    return static_cast<DWORD>(code) << 16 | id;
}

// The fonts come from one record; each changes only its own fields.
HFONT CreateFontFromRecord(LOGFONTA& record, LONG height, LONG weight, const char* face)
{
    record.lfHeight = height;
    record.lfWeight = weight;
    lstrcpyA(record.lfFaceName, face);
    return CreateFontIndirectA(&record);
}

void SetFont(HWND control, HFONT font)
{
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void SetUpMainDialog(HWND dialog)
{
    Ui.Instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    Ui.Dialog = dialog;
    SetClassLongPtrA(dialog, GCLP_HICON,
                     reinterpret_cast<LONG_PTR>(LoadIconA(Ui.Instance, MAKEINTRESOURCEA(IDI_MAIN))));

    Ui.BackgroundBitmap = LoadBitmapA(Ui.Instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
    const LOGBRUSH pattern = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(Ui.BackgroundBitmap)};
    Ui.PatternBrush = CreateBrushIndirect(&pattern);

    LOGFONTA record;
    RtlZeroMemory(&record, sizeof record);
    record.lfPitchAndFamily = FF_ROMAN | DEFAULT_PITCH;
    Ui.LabelFont = CreateFontFromRecord(record, 15, 600, "");
    Ui.CountdownFont = CreateFontFromRecord(record, 35, 700, "Garamond");
    Ui.SequenceFont = CreateFontFromRecord(record, 14, 400, "Verdana");
    // 99 two-digit values fit the sequence field in this one.
    Ui.CompactSequenceFont = CreateFontFromRecord(record, 10, 400, "Verdana");

    CreateSequenceField(dialog);
    CreateHintBalloon(dialog);

    for (int id : {ID_RANGE_DIGITS, ID_RANGE_NUMBERS, ID_ANSWER})
        SetFont(GetDlgItem(dialog, id), Ui.LabelFont);
    // No font means the system font.
    for (int id : {ID_HINT, ID_TIME_LABEL, ID_COUNT_LABEL})
        SetFont(GetDlgItem(dialog, id), nullptr);
    // Two digits fit the number fields whatever margins their font would bring, and a third
    // is refused: a field holds no more than its commit reads.
    for (int id : {ID_COUNT, ID_TIME, ID_ANSWER}) {
        SendDlgItemMessageA(dialog, id, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, NumberTextSize - 1, 0);
    }

    const HDC dialogDC = GetDC(dialog);
    Ui.ProgressDC = CreateCompatibleDC(dialogDC);
    ReleaseDC(dialog, dialogDC);
    Ui.ProgressBitmap = LoadBitmapA(Ui.Instance, MAKEINTRESOURCEA(IDB_PROGRESS));
    SelectObject(Ui.ProgressDC, Ui.ProgressBitmap);

    // A fresh program drills two-digit numbers.
    CheckDlgButton(dialog, ID_RANGE_NUMBERS, BST_CHECKED);

    GetWindowRect(GetDlgItem(dialog, ID_TIMER_ICON), &Ui.DigitsRect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&Ui.DigitsRect), 2);
}

// Asked to close, by the close box, "ВЫХОД" or another program. The About box closes with the
// dialog; a message box stays up until the user closes it. The dialog ends once the loops
// running inside it have returned, and keeps its objects until it is destroyed.
void Close(HWND dialog)
{
    if (Ui.AboutBox)
        SendMessageA(Ui.AboutBox, WM_CLOSE, 0, 0);
    KillTimer(dialog, TIMER_COUNTDOWN);
    EndDialog(dialog, 0);
}

void ReleaseObjects()
{
    DeleteObject(Ui.PatternBrush);
    DeleteObject(Ui.BackgroundBitmap);
    DeleteObject(Ui.LabelFont);
    DeleteObject(Ui.CountdownFont);
    DeleteObject(Ui.SequenceFont);
    DeleteObject(Ui.CompactSequenceFont);
    DeleteDC(Ui.ProgressDC);
    DeleteObject(Ui.ProgressBitmap);
}

void ShowContextMenu(HWND dialog)
{
    const HMENU menu = LoadMenuA(Ui.Instance, MAKEINTRESOURCEA(IDM_CONTEXT));
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenuEx(GetSubMenu(menu, 0), 0, cursor.x, cursor.y, dialog, nullptr);
    DestroyMenu(menu);
}

INT_PTR RouteCommand(HWND dialog, WPARAM wParam)
{
    switch (static_cast<DWORD>(wParam)) {
    case Command(BN_CLICKED, ID_EXIT):
        Close(dialog);
        return TRUE;
    case Command(BN_CLICKED, ID_START):
        OnStartStop(Controls);
        return 0;
    case Command(EN_KILLFOCUS, ID_TIME):
        OnTimeCommitted(Controls);
        return 0;
    case Command(EN_KILLFOCUS, ID_COUNT):
        OnCountCommitted(Controls);
        return 0;
    case Command(EN_CHANGE, ID_ANSWER):
        OnAnswerChanged(Controls);
        return 0;
    case Command(BN_CLICKED, ID_HINT):
        OnHintClicked(Controls);
        return 0;
    case Command(EN_KILLFOCUS, ID_ANSWER):
        OnAnswerLostFocus(Controls);
        return 0;
    case Command(0, ID_ABOUT):
        // Only one About box: another command, from outside, while it is open does nothing.
        if (!Ui.AboutBox)
            DialogBoxParamA(Ui.Instance, MAKEINTRESOURCEA(IDD_ABOUT), dialog, AboutDialog, 0);
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
        SetFocus(GetDlgItem(dialog, ID_ANSWER));
        return TRUE;
    case WM_TIMER:
        OnTimer(Controls, wParam);
        return 0;
    case WM_RBUTTONDOWN:
        ShowContextMenu(dialog);
        return 0;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(Ui.PatternBrush);
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            ThemeStatic(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_CLOSE:
        Close(dialog);
        return TRUE;
    case WM_DESTROY:
        ReleaseObjects();
        return 0;
    }
    return FALSE;
}
