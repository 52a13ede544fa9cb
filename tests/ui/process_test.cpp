#include "ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Process, EndsWithCodeZeroByTheExitButtonAndByTheCloseBox)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    // build\win32\tests\ui_tests.exe -> build\win32\tallyra.exe
    std::string command = '"' + std::string(path, std::strrchr(path, '\\')) + "\\..\\tallyra.exe\"";
    for (bool byExitButton : {true, false}) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        HWND window = nullptr;
        DWORD owner = 0;
        for (int i = 0; i < 250 && owner != process.dwProcessId; ++i, Sleep(20))
            GetWindowThreadProcessId(window = FindWindowA("#32770", "Tallyra от Vestrin"), &owner);
        if (byExitButton)
            PostMessageA(GetDlgItem(window, ID_EXIT), BM_CLICK, 0, 0);
        else
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, STILL_ACTIVE);
        GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 0u) << (byExitButton ? "ВЫХОД" : "close box");
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace
