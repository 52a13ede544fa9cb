// The About box, opened through the main dialog's menu command and driven as the user would.
#include "about_dialog.h"
#include "colours.h"
#include "dialog_session.h"
#include "ui_state.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

// Wine hands http: and mailto: addresses to the programs named in HKCU\Software\Wine\WineBrowser,
// the address as their last argument; here that is a shell that writes it to a file.
TEST(AboutBox, EachLinkShowsItsTargetInBlueWithAHandAndHandsItToTheShell)
{
    DialogSession session;
    char seenHere[MAX_PATH];
    ASSERT_TRUE(GetTempFileNameA("Z:\\tmp", "tly", 0, seenHere));  // a name no other session takes
    std::string seen = seenHere + 2;  // Wine's Z: drive is the Unix root
    std::replace(seen.begin(), seen.end(), '\\', '/');
    const std::string recorder = "/bin/sh -c \"printf %s \\\"$0\\\" > " + seen + "\"";
    for (const char* value : {"Browsers", "Mailers"})
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", value, REG_SZ, recorder.c_str(), recorder.size() + 1);
    PostMessageA(session.Dialog(), WM_COMMAND, ID_ABOUT, 0);
    ASSERT_TRUE(session.WaitUntil(DialogSession::AboutBox));
    const HWND box = DialogSession::AboutBox();
    EXPECT_EQ(GetWindow(box, GW_OWNER), session.Dialog());
    ASSERT_EQ(SendMessageA(Ui.Tooltip, TTM_GETTOOLCOUNT, 0, 0), 3);
    const HDC dc = CreateCompatibleDC(nullptr);  // for the box's answer on a control's colours
    auto textColour = [&](HWND control) {
        SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
        return GetTextColor(dc);
    };
    EXPECT_EQ(textColour(GetDlgItem(box, ID_ABOUT_TITLE)), GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < 3; ++i) {
        const HWND label = GetDlgItem(box, Links[i].Id);
        char text[128] = "";
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;
        tool.lpszText = text;
        EXPECT_TRUE(SendMessageA(Ui.Tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), label);
        EXPECT_STREQ(text, Links[i].Target);
        EXPECT_EQ(SendMessageA(label, WM_NCHITTEST, 0, 0), HTCLIENT);
        EXPECT_EQ(textColour(label), LinkColour);
        session.Run([&] {  // the cursor belongs to the dialog's thread
            SetCursor(nullptr);
            SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
        });
        std::ofstream{seenHere};  // emptied
        SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        std::string received;
        for (int wait = 0; wait < 500 && received != Links[i].Target; ++wait, Sleep(20)) {
            std::ifstream file(seenHere);
            received.assign(std::istreambuf_iterator<char>(file), {});
        }
        EXPECT_EQ(received, Links[i].Target);
    }
    DeleteDC(dc);
    DeleteFileA(seenHere);
    // Without the values Wine goes back to its own list of programs.
    for (const char* value : {"Browsers", "Mailers"})
        RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", value);
}

TEST(AboutBox, ASecondAboutCommandWhileItIsOpenDoesNothing)
{
    DialogSession session;
    PostMessageA(session.Dialog(), WM_COMMAND, ID_ABOUT, 0);
    PostMessageA(session.Dialog(), WM_COMMAND, ID_ABOUT, 0);
    session.Settle();
    ASSERT_TRUE(session.WaitUntil(DialogSession::AboutBox));
    EXPECT_EQ(session.WindowsOfClass("#32770"), 2);  // the main dialog and one About box
    EXPECT_EQ(session.WindowsOfClass(TOOLTIPS_CLASSA), 1);
    session.Type("\r");
    ASSERT_TRUE(session.WaitUntil([&] { return !DialogSession::AboutBox(); }));
    session.Settle();
    EXPECT_EQ(session.WindowsOfClass("#32770"), 1);
    EXPECT_EQ(session.WindowsOfClass(TOOLTIPS_CLASSA), 0);
}

} // namespace
