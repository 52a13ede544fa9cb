#include "balloon_class.h"

#include "hint_balloon.h"

#include <windows.h>

void RegisterBalloonClass()
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
