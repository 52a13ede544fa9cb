#include "ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

TEST(Process, EndsWithCodeZeroByTheExitButtonAndByTheCloseBox)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    // build\win64\tests\ui_tests.exe -> build\win64\tallyra.exe
    std::string command = path;
    command = '"' + command.substr(0, command.rfind('\\')) + "\\..\\tallyra.exe\"";
    // A click on "ВЫХОД" (id 502), and the close box.
    for (const auto& [control, message, wParam] : {std::tuple<int, UINT, WPARAM>{ID_EXIT, BM_CLICK, 0},
                                                   {0, WM_SYSCOMMAND, SC_CLOSE}}) {
        SCOPED_TRACE(message);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process)) << command;
        HWND window = nullptr;
        for (int i = 0; i < 250 && !window; ++i, Sleep(20))
            for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32770", "Tallyra от Vestrin"));)
                if (DWORD owner = 0; GetWindowThreadProcessId(w, &owner) && owner == process.dwProcessId && IsWindowVisible(w))
                    window = w;
        EXPECT_NE(window, nullptr);
        PostMessageA(control ? GetDlgItem(window, control) : window, message, wParam, 0);
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, STILL_ACTIVE);
        GetExitCodeProcess(process.hProcess, &code);
        EXPECT_EQ(code, 0u);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

} // namespace
