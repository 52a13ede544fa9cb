// The program itself, started as a user starts it: its own start-up makes "?" show the balloon.
// Closed by another program, as "End task" does, while the About box is open, both windows
// close and the process ends with code 0. ("ВЫХОД" and the message boxes end the dialog as the
// window tests show.)
#include "ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Waits for the condition, for 15 seconds at most.
bool Eventually(const std::function<bool()>& condition)
{
    for (int wait = 0; wait < 750 && !condition(); ++wait)
        Sleep(20);
    return condition();
}

TEST(Process, ShowsItsBalloonAndClosedFromOutsideUnderTheAboutBoxEndsWithCodeZero)
{
    char path[MAX_PATH] = ""; // build\win32\tests\ui_tests.exe -> build\win32\tallyra.exe
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program = '"' + std::string(path).substr(0, std::string(path).rfind('\\')) + "\\..\\tallyra.exe\"";
    STARTUPINFOA startup {sizeof startup};
    PROCESS_INFORMATION process {};
    ASSERT_TRUE(
        CreateProcessA(nullptr, program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND window = nullptr;
    EXPECT_TRUE(Eventually([&] { return IsWindowVisible(window = FindWindowW(L"#32770", L"Tallyra от Vestrin")); }));
    // A series shown for one second, and "?" clicked until it shows the balloon: once recall has begun.
    SetDlgItemTextA(window, ID_TIME, "1");
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(ID_TIME, EN_KILLFOCUS), 0);
    PostMessageA(window, WM_COMMAND, ID_START, 0);
    EXPECT_TRUE(Eventually([&] {
        return PostMessageA(window, WM_COMMAND, ID_HINT, 0) && IsWindowVisible(FindWindowA(nullptr, "WHelp"));
    }));
    PostMessageA(window, WM_COMMAND, ID_ABOUT, 0);
    EXPECT_TRUE(Eventually([] { return IsWindowVisible(FindWindowA("#32770", "About Tallyra")); }));
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
