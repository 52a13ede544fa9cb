#include "hint_balloon.h"

#include "colours.h"
#include "drill.h"
#include "ids.h"
#include "ui_state.h"

namespace {

constexpr char BalloonClassName[] = "WHelp";
constexpr int BalloonWidth = 50;
constexpr int BalloonHeight = 40;
// The pointer rises from the body's top edge at y = 18 to its tip at (10, 1).
constexpr POINT Pointer[] = {{10, 18}, {10, 1}, {27, 18}};
constexpr int BodyTop = 18;
constexpr int CornerSize = 10;

// The picture is one bit deep: it takes the paint DC's text and background colours when copied.
void DrawBalloon(HWND window)
{
    const HDC windowDC = GetDC(window);
    Ui.BalloonDC = CreateCompatibleDC(windowDC);
    ReleaseDC(window, windowDC);
    Ui.BalloonBitmap = CreateCompatibleBitmap(Ui.BalloonDC, BalloonWidth, BalloonHeight);
    const HDC dc = Ui.BalloonDC;
    SelectObject(dc, Ui.BalloonBitmap);

    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(WHITE_PEN));
    Rectangle(dc, 0, 0, BalloonWidth, BalloonHeight);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    RoundRect(dc, 0, BodyTop, BalloonWidth, BalloonHeight, CornerSize, CornerSize);
    MoveToEx(dc, Pointer[0].x, Pointer[0].y, nullptr);
    LineTo(dc, Pointer[1].x, Pointer[1].y);
    const HPEN slantPen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    SelectObject(dc, slantPen);
    LineTo(dc, Pointer[2].x, Pointer[2].y);
    SelectObject(dc, GetStockObject(WHITE_PEN));
    DeleteObject(slantPen);
    // Wipe the body's top border under the pointer, so that both make one outline.
    MoveToEx(dc, 25, BodyTop, nullptr);
    LineTo(dc, Pointer[0].x, Pointer[0].y);

    // Outside this shape the window is neither drawn nor hit by the mouse.
    const HRGN body = CreateRoundRectRgn(0, BodyTop, BalloonWidth + 1, BalloonHeight + 1, CornerSize, CornerSize);
    const HRGN pointer = CreatePolygonRgn(Pointer, 3, WINDING);
    CombineRgn(body, body, pointer, RGN_OR);
    DeleteObject(pointer);
    SetWindowRgn(window, body, FALSE);
}

void PaintBalloon(HWND window)
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    // The copy comes first, while the DC still has black text on white.
    BitBlt(dc, 0, 0, BalloonWidth, BalloonHeight, Ui.BalloonDC, 0, 0, SRCCOPY);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, LabelColour);
    RECT text = {0, BodyTop, BalloonWidth, BalloonHeight};
    DrawTextA(dc, ExpectedValueText(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &paint);
}

LRESULT CALLBACK HintBalloon(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        DrawBalloon(window);
        return 0;
    case WM_PAINT:
        PaintBalloon(window);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        ShowWindow(window, SW_HIDE);
        return 0;
    case WM_DESTROY:
        DeleteDC(Ui.BalloonDC);
        DeleteObject(Ui.BalloonBitmap);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void RegisterHintBalloonClass()
{
    // No instance handle: the class belongs to the program's own module.
    WNDCLASSEXA balloonClass;
    RtlZeroMemory(&balloonClass, sizeof balloonClass);
    balloonClass.cbSize = sizeof balloonClass;
    balloonClass.lpfnWndProc = HintBalloon;
    balloonClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    balloonClass.lpszClassName = BalloonClassName;
    RegisterClassExA(&balloonClass);
}

void CreateHintBalloon(HWND dialog)
{
    Ui.Balloon = CreateWindowExA(WS_EX_TOPMOST, BalloonClassName, BalloonClassName, WS_POPUP, 0, 0, BalloonWidth,
                                 BalloonHeight, dialog, nullptr, Ui.Instance, nullptr);
}

void ShowHint()
{
    const HWND answer = GetDlgItem(Ui.Dialog, ID_ANSWER);
    RECT field;
    GetWindowRect(answer, &field);
    // The pointer's tip lands 31 pixels into the field and 6 above its bottom edge.
    SetWindowPos(Ui.Balloon, nullptr, field.left + 21, field.bottom - 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // The field takes the focus back first and the balloon never takes it: where the focus comes
    // back to the dialog while the balloon shows, Wine draws the dialog over the balloon's pointer.
    SetFocus(answer);
    ShowWindow(Ui.Balloon, SW_SHOWNA);
}

void HideHint()
{
    ShowWindow(Ui.Balloon, SW_HIDE);
}
