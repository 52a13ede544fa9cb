// The program's own entry routine: no C runtime starts before it, none ends after it.
#include "hint_balloon.h"
#include "ids.h"
#include "main_dialog.h"

#include <windows.h>
#include <commctrl.h>

extern "C" [[noreturn]] void ProgramStart()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    InitCommonControls();
    RegisterHintBalloonClass();
    // The process lives exactly as long as the main dialog.
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialog, 0);
    ExitProcess(0);
}
