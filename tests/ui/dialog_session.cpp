#include "dialog_session.h"

#include "balloon_class.h"
#include "drill_state.h"
#include "ids.h"
#include "main_dialog.h"
#include "ui_state.h"

#include <commctrl.h>

#include <memory>

namespace {

constexpr UINT RunNow = WM_APP;
constexpr UINT RunLater = WM_APP + 1;
constexpr char InvokerClass[] = "TallyraTestInvoker";
constexpr int MessageBoxTextId = 0xFFFF;

DialogSession* Current = nullptr;

std::string WindowText(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A message box: a dialog with the box's static text and its OK button.
bool IsMessageBox(HWND window)
{
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, MessageBoxTextId) != nullptr &&
           GetDlgItem(window, IDOK) != nullptr;
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
        invoker.lpfnWndProc = InvokerProcedure;
        invoker.lpszClassName = InvokerClass;
        RegisterClassExA(&invoker);
        return true;
    }();
    (void)started;
    // Every session starts from the records a fresh process has.
    Drill = DrillState{};
    Ui = UiState{};
    Current = this;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] { ThreadMain(); });
    WaitForSingleObject(ready_, 10000);
    // The dialog is up once its set-up has run and it shows.
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
    invoker_ = CreateWindowExA(0, InvokerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    hook_ = SetWindowsHookExA(WH_CBT, BoxWatcher, nullptr, threadId_);
    SetEvent(ready_);
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialog, 0);
    ended_ = true;
    UnhookWindowsHookEx(hook_);
    DestroyWindow(invoker_);
}

LRESULT CALLBACK DialogSession::InvokerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == RunNow) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == RunLater) {
        auto* action = reinterpret_cast<std::function<void()>*>(lParam);
        (*action)();
        delete action;
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
            Current->boxes_.push_back(
                {WindowText(box), WindowText(GetDlgItem(box, MessageBoxTextId)), WindowText(Ui.Sequence)});
        }
        if (!Current->keepBoxesOpen_)
            PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogSession::Run(const std::function<void()>& action)
{
    SendMessageA(invoker_, RunNow, 0, reinterpret_cast<LPARAM>(&action));
}

void DialogSession::Post(std::function<void()> action)
{
    PostMessageA(invoker_, RunLater, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(action))));
}

bool DialogSession::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        bool met = false;
        Run([&] { met = condition(); });
        if (met)
            return true;
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(20);
    }
}

void DialogSession::Type(int id, const std::string& keys)
{
    Run([&] {
        for (char key : keys)
            SendMessageA(Control(id), WM_CHAR, static_cast<unsigned char>(key), 1);
    });
}

void DialogSession::Click(int id)
{
    Run([&] { SendMessageA(Control(id), BM_CLICK, 0, 0); });
}

void DialogSession::Press(HWND target, WPARAM key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    // Posted messages are handled in order: the marker runs after the key.
    const auto handled = std::make_shared<std::atomic<bool>>(false);
    Post([handled] { *handled = true; });
    for (int i = 0; i < 100 && !*handled; ++i)
        Sleep(20);
}

bool DialogSession::ReachRecall()
{
    Run([&] {
        SetFocus(Control(ID_TIME));
        SetWindowTextA(Control(ID_TIME), "1");
    });
    Click(ID_START);
    return WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000);
}

void DialogSession::Focus(int id)
{
    Run([&] { SetFocus(Control(id)); });
}

std::string DialogSession::Text(int id)
{
    return Text(Control(id));
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

std::vector<SeenBox> DialogSession::Boxes()
{
    std::lock_guard lock(boxesLock_);
    return boxes_;
}

HWND DialogSession::OpenBox()
{
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        threadId_,
        [](HWND window, LPARAM context) -> BOOL {
            if (IsWindowVisible(window) && IsMessageBox(window)) {
                reinterpret_cast<Search*>(context)->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
