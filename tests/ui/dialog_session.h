// Runs the real main dialog, from the real resources, as the program does, and the test beside
// it on the same thread: the dialog in a fiber of its own, to which the test hands the thread
// whenever it waits.  The test drives it with key presses, the mouse and messages, and reads
// what the screen shows; while the test runs, the dialog stands still.
#ifndef TALLYRA_TESTS_DIALOG_SESSION_H
#define TALLYRA_TESTS_DIALOG_SESSION_H

#include "drill_state.h"
#include "hint_balloon.h"
#include "ids.h"
#include "main_dialog.h"
#include "ui_state.h"

#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class DialogSession {
public:
    bool ended = false; // the dialog's modal loop has returned

    // The main dialog from its template, in the face named instead of the template's if one is.
    explicit DialogSession(std::wstring_view face = {})
    {
        template_ = MainTemplate(face);
        // Once per process, as the program's start-up does; the test's own fiber is the thread's.
        [[maybe_unused]] static const bool started = [] {
            InitCommonControls();
            RegisterHintBalloonClass();
            return (test_ = ConvertThreadToFiber(nullptr)) != nullptr;
        }();
        // Every session starts from the records a fresh process has.
        Drill = DrillState {};
        Ui = UiState {};
        dialog_ = CreateFiber(0, RunDialog, this);
        WaitUntil([] { return IsWindowVisible(Ui.Dialog); });
    }
    ~DialogSession()
    {
        // Closes a message box that is still open, then the dialog, which closes an About box itself.
        for (int i = 0; i < 400 && !ended; ++i) {
            PostMessageA(GetActiveWindow(), WM_COMMAND, IDOK, 0);
            PostMessageA(Ui.Dialog, WM_CLOSE, 0, 0);
            Settle();
        }
        DeleteFiber(dialog_);
    }

    // Hands the thread to the dialog until it has handled all that was sent, posted and typed to
    // it, the paints too, in whatever message loop runs: a timer ticks only then.
    void Settle()
    {
        const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, BackToTheTest);
        SwitchToFiber(dialog_);
        KillTimer(nullptr, timer);
    }
    // Lets the dialog run until the condition holds, for twenty seconds at most.
    bool WaitUntil(const std::function<bool()>& condition)
    {
        for (const DWORD start = GetTickCount(); !condition(); Settle())
            if (GetTickCount() - start > 20000)
                return false;
        return true;
    }
    // Keys pressed one after another, each going to whatever holds the focus at that moment,
    // through the message loop's dialog manager: digits, letters, '\b' Backspace, '\t' Tab,
    // '\r' Enter, '\x1b' Esc, and '&' Up and '(' Down, whose key codes they are.
    void Type(std::string_view keys)
    {
        for (char key : keys) {
            const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
            // Tab, Enter, Esc and Backspace are their own characters, and so are digits and capitals.
            const WPARAM code = std::toupper(key);
            PostMessageA(target, WM_KEYDOWN, code, 1);
            PostMessageA(target, WM_KEYUP, code, 0xC0000001);
            Settle();
        }
    }
    // Moves the focus into a control as Tab does: a field's text is selected, ready to be typed over.
    void TabTo(int id) { SendMessageA(Ui.Dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE); }
    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    // Waits for a shown window of this class and title (any, if null), and returns it.
    HWND Window(const wchar_t* windowClass, const wchar_t* title)
    {
        HWND window = nullptr;
        WaitUntil([&] { return IsWindowVisible(window = FindWindowW(windowClass, title)); });
        return window;
    }
    // Waits until recall has begun, as the start button tells.
    bool Recalling()
    {
        return WaitUntil([&] { return Text(Control(ID_START)) == "ОСТАНОВИТЬ"; });
    }

    HWND Control(int id) const { return GetDlgItem(Ui.Dialog, id); }
    // A window's text as UTF-8, as the tests write it, whatever the system's code page.
    static std::string Text(HWND window)
    {
        wchar_t wide[512] = L"";
        GetWindowTextW(window, wide, std::size(wide));
        char text[1024] = "";
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        return text;
    }

private:
    // The dialog's fiber: the dialog's life, then back to the test for good.
    static void CALLBACK RunDialog(void* session)
    {
        auto* self = static_cast<DialogSession*>(session);
        const auto* dialogTemplate = reinterpret_cast<const DLGTEMPLATE*>(self->template_.data());
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, nullptr, MainDialog, 0);
        self->ended = true;
        for (;;)
            SwitchToFiber(test_);
    }
    // A copy of the main dialog's template, in another face if one is named.  After the header come
    // the menu, the class and the title, each a string or 0xFFFF and a number, then the point size
    // and the face; the items follow, each on a DWORD boundary from the start, so they move by whole DWORDs.
    static std::wstring MainTemplate(std::wstring_view face)
    {
        const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_MAIN), RT_DIALOG);
        const std::wstring_view original(static_cast<const wchar_t*>(LockResource(LoadResource(nullptr, found))),
                                         SizeofResource(nullptr, found) / sizeof(wchar_t));
        if (face.empty())
            return std::wstring(original);
        size_t at = sizeof(DLGTEMPLATE) / sizeof(wchar_t);
        for (int field = 0; field < 3; ++field)
            at = original[at] == 0xFFFF ? at + 2 : original.find(L'\0', at) + 1;
        std::wstring copy(original.substr(0, at + 1)); // up to the point size
        copy.append(face);
        copy.resize((copy.size() + 2) & ~size_t {1}); // the face's closing zero, and a DWORD boundary
        return copy.append(original.substr((original.find(L'\0', at + 1) + 2) & ~size_t {1})); // the items
    }
    static void CALLBACK BackToTheTest(HWND, UINT, UINT_PTR, DWORD) { SwitchToFiber(test_); }

    static inline void* test_ = nullptr;
    void* dialog_ = nullptr;
    std::wstring template_; // the main dialog's template, which the dialog is made from
};

#endif
