#include "dialog_session.h"

#include "balloon_class.h"
#include "drill_state.h"
#include "ids.h"
#include "main_dialog.h"
#include "ui_state.h"

#include <commctrl.h>

namespace {

constexpr UINT RunNow = WM_APP;
constexpr UINT Mark = WM_APP + 1;
constexpr char InvokerClass[] = "TallyraTestInvoker";
constexpr int MessageBoxTextId = 0xFFFF;

DialogSession* Current = nullptr;
std::atomic<LPARAM> MarksHandled = 0;

std::string WindowText(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool IsMessageBox(HWND window)
{
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, MessageBoxTextId) && GetDlgItem(window, IDOK);
}

WPARAM VirtualKey(char key)
{
    switch (key) {
    case '\t': return VK_TAB;
    case '\r': return VK_RETURN;
    case '\x1b': return VK_ESCAPE;
    }
    return key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;  // letters and digits are their own keys
}

} // namespace

DialogSession::DialogSession()
{
    // Once per process, as the program's start-up does.
    static const bool started = [] {
        InitCommonControls();
        RegisterBalloonClass();
        WNDCLASSEXA invoker{};
        invoker.cbSize = sizeof invoker;
        invoker.lpfnWndProc = Invoker;
        invoker.lpszClassName = InvokerClass;
        return RegisterClassExA(&invoker) != 0;
    }();
    (void)started;
    // Every session starts from the records a fresh process has.
    Drill = DrillState{};
    Ui = UiState{};
    Current = this;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] { ThreadMain(); });
    WaitForSingleObject(ready_, 10000);
    for (int i = 0; i < 500 && !(Ui.Dialog && IsWindowVisible(Ui.Dialog)); ++i)
        Sleep(10);
    dialog_ = Ui.Dialog;
}

DialogSession::~DialogSession()
{
    // Close whatever is open on top of the dialog, then the dialog itself.
    for (int i = 0; i < 200 && !ended_; ++i) {
        if (const HWND box = OpenBox())
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        else if (const HWND about = FindWindowA("#32770", "About Tallyra"))
            PostMessageA(about, WM_CLOSE, 0, 0);
        else
            PostMessageA(dialog_, WM_CLOSE, 0, 0);
        Sleep(25);
    }
    PostMessageA(invoker_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    Current = nullptr;
}

void DialogSession::ThreadMain()
{
    threadId_ = GetCurrentThreadId();
    invoker_ = CreateWindowExA(0, InvokerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    hook_ = SetWindowsHookExA(WH_CBT, BoxWatcher, nullptr, threadId_);
    SetEvent(ready_);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialog, 0);
    ended_ = true;
    // Run() keeps working until the session ends.
    for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;)
        DispatchMessageA(&message);
    UnhookWindowsHookEx(hook_);
    DestroyWindow(invoker_);
}

LRESULT CALLBACK DialogSession::Invoker(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RunNow) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == Mark) {
        // Posted once more, so that it comes after what the messages before it posted in turn.
        if (wParam == 0)
            PostMessageA(window, Mark, 1, lParam);
        else
            MarksHandled = lParam;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK DialogSession::BoxWatcher(int code, WPARAM wParam, LPARAM lParam)
{
    const auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && Current && IsMessageBox(box)) {
        {
            std::lock_guard lock(Current->boxesLock_);
            Current->boxes_.push_back(WindowText(box) + "|" + WindowText(GetDlgItem(box, MessageBoxTextId)) + "|" +
                                      WindowText(Ui.Sequence));
        }
        if (!Current->keepBoxesOpen_)
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK DialogSession::FindBox(HWND window, LPARAM found)
{
    if (!IsWindowVisible(window) || !IsMessageBox(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void DialogSession::Run(const std::function<void()>& action)
{
    SendMessageA(invoker_, RunNow, 0, reinterpret_cast<LPARAM>(&action));
}

bool DialogSession::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    for (const DWORD start = GetTickCount();; Sleep(20)) {
        bool met = false;
        Run([&] { met = condition(); });
        if (met)
            return true;
        if (GetTickCount() - start > milliseconds)
            return false;
    }
}

void DialogSession::Type(std::string_view keys)
{
    static LPARAM marks = 0;
    for (char key : keys) {
        HWND target = nullptr;
        Run([&] { target = GetFocus() ? GetFocus() : GetActiveWindow(); });
        PostMessageA(target, WM_KEYDOWN, VirtualKey(key), 1);
        PostMessageA(target, WM_KEYUP, VirtualKey(key), 0xC0000001);
        // The key-down's character is posted while it is translated, after the first mark.
        PostMessageA(invoker_, Mark, 0, ++marks);
        for (int i = 0; i < 250 && MarksHandled < marks; ++i)
            Sleep(10);
    }
}

void DialogSession::TabTo(int id)
{
    Run([&] { SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE); });
}

void DialogSession::Click(int id)
{
    Run([&] { SendMessageA(Control(id), BM_CLICK, 0, 0); });
}

bool DialogSession::ReachRecall()
{
    TabTo(ID_TIME);
    Type("1\r");
    return WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000);
}

std::string DialogSession::Text(HWND window)
{
    std::string text;
    Run([&] { text = WindowText(window); });
    return text;
}

HWND DialogSession::Focused()
{
    HWND focused = nullptr;
    Run([&] { focused = GetFocus(); });
    return focused;
}

SeenBoxes DialogSession::Boxes()
{
    std::lock_guard lock(boxesLock_);
    return boxes_;
}

HWND DialogSession::OpenBox()
{
    HWND found = nullptr;
    EnumThreadWindows(threadId_, FindBox, reinterpret_cast<LPARAM>(&found));
    return found;
}
