#include "painter.h"

#include "colours.h"
#include "drill_state.h"
#include "ids.h"
#include "sequence.h"
#include "ui_state.h"

namespace {

// The strip's picture fills the inside of ProgressRect's edge.
constexpr int StripLeft = 142;
constexpr int StripTop = 86;
constexpr int StripWidth = 128;
constexpr int StripHeight = 14;

// The part of the strip that stands for the values recalled so far, rounded to a pixel.
int RecalledWidth()
{
    return (2 * StripWidth * Drill.RecallIndex + Drill.ItemCount) / (2 * Drill.ItemCount);
}

void DrawCountdown(HDC dc)
{
    FormatNumber(Drill.Countdown);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CountdownColour);
    const HGDIOBJ keptFont = SelectObject(dc, Ui.CountdownFont);
    DrawTextA(dc, Drill.NumberText, -1, &Ui.DigitsRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, keptFont);
}

bool IsThemed(int id)
{
    switch (id) {
    case ID_RANGE_DIGITS:
    case ID_RANGE_NUMBERS:
    case ID_COUNT_LABEL:
    case ID_TIME_LABEL:
    case ID_TIMER_ICON:
        return true;
    }
    return false;
}

} // namespace

void PaintMainDialog(HWND dialog)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(dialog, &paint);
    // Outside recall the strip is full; the part not covered shows the erased background.
    const int width = Drill.Phase == DrillPhase::Recall ? RecalledWidth() : StripWidth;
    BitBlt(dc, StripLeft, StripTop, width, StripHeight, Ui.ProgressDC, 0, 0, SRCCOPY);
    RECT frame = ProgressRect;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (Drill.Phase == DrillPhase::Memorize)
        DrawCountdown(dc);
    EndPaint(dialog, &paint);
}

HBRUSH ThemeStatic(HWND dialog, HDC dc, HWND control)
{
    if (!IsThemed(GetDlgCtrlID(control)))
        return nullptr;
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, LabelColour);
    // Align the texture behind the control with the dialog's own.
    SetBrushOrgEx(dc, -place.left, -place.top, nullptr);
    return Ui.PatternBrush;
}
