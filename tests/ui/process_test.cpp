#include "ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

bool WaitUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 750; ++i, Sleep(20))
        if (condition())
            return true;
    return false;
}

// The program, started from the build folder, and its window once it is ready for the user.
struct Program {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;

    Program()
    {
        char path[MAX_PATH] = "";
        GetModuleFileNameA(nullptr, path, sizeof path);
        // build\win32\tests\ui_tests.exe -> build\win32\tallyra.exe
        std::string command = '"' + std::string(path, std::strrchr(path, '\\')) + "\\..\\tallyra.exe\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
        // Ready: shown, with the focus on СТАРТ.
        WaitUntil([&] {
            DWORD owner = 0;
            GetWindowThreadProcessId(window = FindWindowA("#32770", "Tallyra от Vestrin"), &owner);
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return owner == process.dwProcessId && GetGUIThreadInfo(process.dwThreadId, &info) &&
                   info.hwndFocus == GetDlgItem(window, ID_START);
        });
    }
    ~Program()
    {
        TerminateProcess(process.hProcess, STILL_ACTIVE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    // What a click on the button tells the dialog.
    void Click(int id) { PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id))); }
    DWORD ExitCode()
    {
        DWORD code = STILL_ACTIVE;
        WaitForSingleObject(process.hProcess, 5000);
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
};

TEST(Process, EndsWithCodeZeroByTheExitButtonAndByTheCloseBox)
{
    Program byExitButton, byCloseBox;
    byExitButton.Click(ID_EXIT);
    PostMessageA(byCloseBox.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(byExitButton.ExitCode(), 0u);
    EXPECT_EQ(byCloseBox.ExitCode(), 0u);
}

// Closed by another program (as "End task" does) while the give-up box is open: the box stays
// until it is answered.
TEST(Process, EndsWithCodeZeroWhenClosedUnderTheGiveUpBoxOnceTheBoxIsClosed)
{
    Program program;
    const HWND start = GetDlgItem(program.window, ID_START);
    program.Click(ID_START);
    ASSERT_TRUE(WaitUntil([&] {  // recall has begun
        char caption[32] = "";
        GetWindowTextA(start, caption, sizeof caption);
        return caption == std::string("ОСТАНОВИТЬ") && IsWindowEnabled(start);
    }));
    program.Click(ID_START);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(box = FindWindowA("#32770", "Вы не запомнили следующий ряд:")); }));
    PostMessageA(program.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(program.window); }));
    EXPECT_EQ(WaitForSingleObject(program.process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindowVisible(box));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program.ExitCode(), 0u);
}

} // namespace
