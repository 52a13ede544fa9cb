// Runs the real main dialog, from the real resources, on a thread of its own, as the
// program does; the test drives it from outside with messages and reads it back.
#ifndef TALLYRA_TESTS_DIALOG_SESSION_H
#define TALLYRA_TESTS_DIALOG_SESSION_H

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A message box as the user saw it: caption, text, and the sequence field behind it.
struct SeenBox {
    std::string caption;
    std::string text;
    std::string sequenceField;
};

class DialogSession {
public:
    DialogSession();
    ~DialogSession();
    DialogSession(const DialogSession&) = delete;
    DialogSession& operator=(const DialogSession&) = delete;

    // Runs on the dialog's thread and returns when done: everything it causes,
    // notifications and message boxes included, has been handled by then.
    void Run(const std::function<void()>& action);
    // Runs on the dialog's thread without waiting, for actions that open a modal loop.
    void Post(std::function<void()> action);
    // Polls on the dialog's thread until the condition holds or the time is up.
    bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 5000);

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    bool Ended() const { return ended_; }  // the dialog has returned from its modal loop

    // Typing into a field, one character message at a time, as the keyboard would.
    void Type(int id, const std::string& keys);
    void Click(int id);
    void Focus(int id);
    // A key pressed in a control, through the dialog's own message loop; returns once it has
    // been handled, or once a modal loop that it opened has started.
    void Press(HWND target, WPARAM key);
    void Press(int id, WPARAM key) { Press(Control(id), key); }
    // Starts a drill shown for one second and waits until its recall begins.
    bool ReachRecall();
    std::string Text(int id);
    std::string Text(HWND window);
    HWND Focused();

    // Message boxes are read and closed with OK as soon as they open, unless kept open.
    std::vector<SeenBox> Boxes();
    void KeepBoxesOpen(bool keep) { keepBoxesOpen_ = keep; }
    HWND OpenBox();  // a message box of the dialog's thread that is showing now, or null

private:
    static LRESULT CALLBACK InvokerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BoxWatcher(int code, WPARAM wParam, LPARAM lParam);
    void ThreadMain();

    std::thread thread_;
    HWND dialog_ = nullptr;
    HWND invoker_ = nullptr;
    HHOOK hook_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
    std::atomic<bool> keepBoxesOpen_ = false;
    std::atomic<bool> ended_ = false;
    std::mutex boxesLock_;
    std::vector<SeenBox> boxes_;
};

#endif
