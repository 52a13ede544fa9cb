// Runs the real main dialog, from the real resources, on a thread of its own, as the
// program does; the test drives it from outside with key presses and messages.
#ifndef TALLYRA_TESTS_DIALOG_SESSION_H
#define TALLYRA_TESTS_DIALOG_SESSION_H

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

class DialogSession {
public:
    DialogSession();
    ~DialogSession();

    // Runs on the dialog's thread and returns when done, with all it caused handled.
    void Run(const std::function<void()>& action);
    // Polls on the dialog's thread until the condition holds or the time is up.
    bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    bool Ended() const { return ended_; }  // the dialog's modal loop has returned

    // Keys pressed one after another, each going to whatever holds the focus at that moment,
    // through the modal loop's dialog manager: digits, letters, '\b' Backspace, '\t' Tab,
    // '\r' Enter and '\x1b' Esc.  Returns once they are handled, or once a modal loop they opened runs.
    void Type(std::string_view keys);
    // Returns once what was posted to the dialog's thread before it is handled.
    void Settle();
    // How many top-level windows of the class the dialog's thread has.
    int WindowsOfClass(const char* className);
    // Moves the focus into a control as Tab does: a field's text is selected, ready to be typed over.
    void TabTo(int id) { SendMessageA(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE); }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    std::string Text(int id) { return Text(Control(id)); }
    // From any thread: for a window of this process the text is asked of the window's own thread.
    static std::string Text(HWND window)
    {
        char text[512] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    HWND Focused()
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
    }

    HWND OpenBox();  // a message box of the dialog's thread that shows now, or null
    // Closes the message box open now with OK, and tells what the user saw:
    // "caption|text|the sequence field behind it"; empty if none is open.
    std::string CloseBox();
    static HWND AboutBox();  // the About box while it shows, or null

private:
    static LRESULT CALLBACK Invoker(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void ThreadMain();

    std::thread thread_;
    HWND dialog_ = nullptr;
    HWND invoker_ = nullptr;
    DWORD threadId_ = 0;
    std::atomic<bool> ended_ = false;
};

#endif
