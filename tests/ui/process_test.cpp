// The program itself, started as a user starts it and closed by another program, as "End task"
// does, while the About box is open: both windows close and the process ends with code 0.
// ("ВЫХОД" and the message boxes end the dialog as the window tests show.)
#include "ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Process, ClosedFromOutsideUnderTheAboutBoxEndsWithCodeZero)
{
    char path[MAX_PATH] = "";  // build\win32\tests\ui_tests.exe -> build\win32\tallyra.exe
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = '"' + std::string(path).substr(0, std::string(path).rfind('\\')) + "\\..\\tallyra.exe\"";
    STARTUPINFOA startup{sizeof startup};
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND window = nullptr;
    for (int wait = 0; wait < 750 && !IsWindowVisible(window = FindWindowA("#32770", "Tallyra от Vestrin")); ++wait)
        Sleep(20);
    PostMessageA(window, WM_COMMAND, ID_ABOUT, 0);
    for (int wait = 0; wait < 750 && !IsWindowVisible(FindWindowA("#32770", "About Tallyra")); ++wait)
        Sleep(20);
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, code);
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace
