#include "dialog_session.h"

#include "drill_state.h"
#include "hint_balloon.h"
#include "ids.h"
#include "main_dialog.h"
#include "ui_state.h"

#include <commctrl.h>

#include <cctype>

namespace {

constexpr UINT RunNow = WM_APP;
constexpr UINT Mark = WM_APP + 1;
constexpr char InvokerClass[] = "TallyraTestInvoker";
constexpr int MessageBoxTextId = 0xFFFF;

std::atomic<LPARAM> MarksHandled = 0;

} // namespace

DialogSession::DialogSession()
{
    // Once per process, as the program's start-up does.
    [[maybe_unused]] static const bool started = [] {
        InitCommonControls();
        RegisterHintBalloonClass();
        WNDCLASSEXA invoker{};
        invoker.cbSize = sizeof invoker;
        invoker.lpfnWndProc = Invoker;
        invoker.lpszClassName = InvokerClass;
        return RegisterClassExA(&invoker) != 0;
    }();
    // Every session starts from the records a fresh process has.
    Drill = DrillState{};
    Ui = UiState{};
    thread_ = std::thread([this] { ThreadMain(); });
    for (int i = 0; i < 500 && !(Ui.Dialog && IsWindowVisible(Ui.Dialog)); ++i)
        Sleep(10);
    dialog_ = Ui.Dialog;
}

DialogSession::~DialogSession()
{
    // Close a message box that is still open, then the dialog, which closes an About box itself.
    for (int i = 0; i < 200 && !ended_; ++i, Sleep(25)) {
        const HWND box = OpenBox();
        PostMessageA(box ? box : dialog_, box ? WM_COMMAND : WM_CLOSE, IDOK, 0);
    }
    PostMessageA(invoker_, WM_QUIT, 0, 0);
    thread_.join();
}

void DialogSession::ThreadMain()
{
    threadId_ = GetCurrentThreadId();
    invoker_ = CreateWindowExA(0, InvokerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialog, 0);
    ended_ = true;
    // Run() keeps working until the session ends.
    for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;)
        DispatchMessageA(&message);
    DestroyWindow(invoker_);
}

LRESULT CALLBACK DialogSession::Invoker(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RunNow)
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
    else if (message == Mark && wParam == 0)  // once more, to come after what the messages before it posted
        PostMessageA(window, Mark, 1, lParam);
    else if (message == Mark)
        MarksHandled = lParam;
    else
        return DefWindowProcA(window, message, wParam, lParam);
    return 0;
}

void DialogSession::Run(const std::function<void()>& action)
{
    SendMessageA(invoker_, RunNow, 0, reinterpret_cast<LPARAM>(&action));
}

bool DialogSession::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    bool met = false;
    for (const DWORD start = GetTickCount(); !met && GetTickCount() - start <= milliseconds; Sleep(met ? 0 : 20))
        Run([&] { met = condition(); });
    return met;
}

void DialogSession::Settle()
{
    static LPARAM marks = 0;
    // The mark is posted again once, so that it comes after what the messages before it posted.
    PostMessageA(invoker_, Mark, 0, ++marks);
    for (int i = 0; i < 250 && MarksHandled < marks; ++i)
        Sleep(10);
}

void DialogSession::Type(std::string_view keys)
{
    for (char key : keys) {
        HWND target = nullptr;
        Run([&] { target = GetFocus() ? GetFocus() : GetActiveWindow(); });
        // Tab, Enter, Esc and Backspace are their own characters, and so are digits and capitals.
        const WPARAM virtualKey = std::toupper(key);
        PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
        PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
        // The key-down's character is posted while it is translated, after the first mark.
        Settle();
    }
}

std::string DialogSession::CloseBox()
{
    const HWND box = OpenBox();
    if (!box)
        return "";
    const std::string seen = Text(box) + "|" + Text(GetDlgItem(box, MessageBoxTextId)) + "|" + Text(Ui.Sequence);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return seen;
}

HWND DialogSession::OpenBox()
{
    for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));)
        if (IsWindowVisible(box) && GetDlgItem(box, MessageBoxTextId) && GetWindowThreadProcessId(box, nullptr) == threadId_)
            return box;
    return nullptr;
}

HWND DialogSession::AboutBox()
{
    const HWND box = FindWindowA("#32770", "About Tallyra");
    return IsWindowVisible(box) ? box : nullptr;
}

static BOOL CALLBACK CountIfOfClass(HWND window, LPARAM found)
{
    auto& [className, count] = *reinterpret_cast<std::pair<const char*, int>*>(found);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    count += lstrcmpiA(name, className) == 0;
    return TRUE;
}

int DialogSession::WindowsOfClass(const char* className)
{
    std::pair<const char*, int> found = {className, 0};
    EnumThreadWindows(threadId_, CountIfOfClass, reinterpret_cast<LPARAM>(&found));
    return found.second;
}
