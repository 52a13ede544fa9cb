#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// A phase as the user sees it: which of these controls are enabled, the start caption, the icon.
constexpr int PhaseControls[] = {ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS,
                                 ID_START, ID_EXIT, ID_ANSWER, ID_HINT};
const std::string IdleLook = "11111100 СТАРТ icon";
const std::string MemorizeLook = "00000100 СТАРТ -";
const std::string RecallLook = "00001111 ОСТАНОВИТЬ icon";

std::string Look(DialogSession& session)
{
    std::string look;
    session.Run([&] {
        for (int id : PhaseControls)
            look += IsWindowEnabled(session.Control(id)) ? '1' : '0';
        look += " " + session.Text(ID_START) + (IsWindowVisible(Ui.TimerIcon) ? " icon" : " -");
    });
    return look;
}

// The first values of the series, written as the program writes them: "12,7,95".
std::string Series(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += (i ? "," : "") + std::to_string(Drill.SequenceValues[i]);
    return text;
}

// Each message box seen: "caption|text|sequence field behind it".
Texts Seen(DialogSession& session)
{
    Texts seen;
    for (const SeenBox& box : session.Boxes())
        seen.push_back(box.caption + "|" + box.text + "|" + box.sequenceField);
    return seen;
}

TEST(MainDialog, OpensReadyForADrill)
{
    DialogSession session;
    ASSERT_NE(session.Dialog(), nullptr);
    EXPECT_EQ(session.Text(session.Dialog()), "Tallyra от Vestrin");
    EXPECT_EQ(session.Text(ID_COUNT) + " " + session.Text(ID_TIME) + " [" + session.Text(ID_SEQUENCE) + "]", "3 3 []");
    EXPECT_EQ(Look(session), IdleLook);
    EXPECT_EQ(SendMessageA(session.Control(ID_RANGE_NUMBERS), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(session.Control(ID_RANGE_DIGITS), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(session.Focused(), session.Control(ID_START));
}

TEST(MainDialog, WholeDrillWithTheRealCountdown)
{
    DialogSession session;
    session.Run([&] { SetWindowTextA(session.Control(ID_TIME), "1"); });
    session.Focus(ID_TIME);
    session.Click(ID_START);
    EXPECT_EQ(Look(session), MemorizeLook);
    EXPECT_EQ(session.Text(ID_SEQUENCE), Series(3));
    EXPECT_FALSE(IsChild(session.Dialog(), session.Focused()));
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000));
    EXPECT_EQ(Look(session), RecallLook);
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(session.Text(ID_SEQUENCE), Series(i) + (i ? "," : ""));
        session.Type(ID_ANSWER, std::to_string(Drill.SequenceValues[i]));
    }
    EXPECT_EQ(Seen(session), Texts({"Браво!|Вы запомнили все цифры!|" + Series(3)}));
    EXPECT_EQ(Look(session), IdleLook);
    EXPECT_EQ(session.Text(ID_COUNT) + " " + session.Text(ID_TIME) + " [" + session.Text(ID_SEQUENCE) + "]", "4 3 []");
}

TEST(MainDialog, GivingUpShowsTheWholeSeriesAndKeepsTheRound)
{
    for (bool byEnter : {false, true}) {
        SCOPED_TRACE(byEnter ? "Enter" : "click");
        DialogSession session;
        ASSERT_TRUE(session.ReachRecall());
        session.Type(ID_ANSWER, std::to_string(Drill.SequenceValues[0]));
        byEnter ? session.Press(ID_ANSWER, VK_RETURN) : session.Click(ID_START);
        ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Idle; }));
        EXPECT_EQ(Seen(session), Texts({"Вы не запомнили следующий ряд:|" + Series(3) + "|" + Series(1) + ","}));
        EXPECT_EQ(Look(session), IdleLook);
        EXPECT_EQ(session.Text(ID_COUNT) + " " + session.Text(ID_TIME), "3 1");
    }
}

TEST(MainDialog, EnterStartsWithTheCountStillBeingTyped)
{
    DialogSession session;
    session.Focus(ID_COUNT);
    session.Run([&] { SendMessageA(session.Control(ID_COUNT), EM_SETSEL, 0, -1); });
    session.Type(ID_COUNT, "7");
    ASSERT_EQ(session.Focused(), session.Control(ID_COUNT));
    session.Press(ID_COUNT, VK_RETURN);
    EXPECT_EQ(Look(session), MemorizeLook);
    EXPECT_EQ(session.Text(ID_SEQUENCE), Series(7));
}

TEST(MainDialog, CountAndTimeTakeTheirValueWhenLeft)
{
    DialogSession session;
    const struct { const char* typed; const char* shown; int value; } cases[] = {
        {"", "1", 1}, {"00", "1", 1}, {"05", "05", 5}, {"123", "12", 12}};
    for (int id : {ID_COUNT, ID_TIME})
        for (const auto& [typed, shown, value] : cases) {
            session.Run([&] {
                SetFocus(session.Control(id));
                SetWindowTextA(session.Control(id), typed);
                SetFocus(session.Control(ID_START));
            });
            const int taken = id == ID_COUNT ? Drill.ItemCount : Drill.ShowSeconds;
            EXPECT_EQ(std::make_pair(session.Text(id), taken), std::make_pair(std::string(shown), value)) << typed;
        }
}

TEST(MainDialog, EscapeIsIgnored)
{
    DialogSession session;
    session.Press(ID_START, VK_ESCAPE);
    ASSERT_TRUE(session.ReachRecall());
    session.Press(ID_ANSWER, VK_ESCAPE);
    EXPECT_FALSE(session.Ended());
    EXPECT_EQ(Look(session), RecallLook);
}

TEST(MainDialog, ContextMenuOpensTheAboutBox)
{
    DialogSession session;
    PostMessageA(session.Dialog(), WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    HWND menu = nullptr, about = nullptr;
    ASSERT_TRUE(session.WaitUntil([&] { return (menu = FindWindowA("#32768", nullptr)) && IsWindowVisible(menu); }));
    const auto items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
    char item[32] = "";
    GetMenuStringA(items, 0, item, sizeof item, MF_BYPOSITION);
    EXPECT_EQ(std::make_pair(GetMenuItemCount(items), std::string(item)), std::make_pair(1, std::string("About...")));
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(session.WaitUntil([&] { return (about = FindWindowA("#32770", "About Tallyra")) && IsWindowVisible(about); }));
    PostMessageA(GetDlgItem(about, ID_ABOUT_OK), BM_CLICK, 0, 0);
    EXPECT_TRUE(session.WaitUntil([&] { return !IsWindow(about) && IsWindowEnabled(session.Dialog()); }));
    EXPECT_FALSE(session.Ended());
}

TEST(MainDialog, ClosingEndsTheDialogInEveryPhase)
{
    const std::pair<DrillPhase, int> cases[] = {
        {DrillPhase::Idle, WM_CLOSE}, {DrillPhase::Memorize, WM_CLOSE}, {DrillPhase::Recall, WM_CLOSE}, {DrillPhase::Memorize, ID_EXIT}};
    for (const auto& [phase, by] : cases) {
        SCOPED_TRACE(static_cast<int>(phase) * 1000 + by);
        DialogSession session;
        if (phase == DrillPhase::Memorize)
            session.Click(ID_START);
        ASSERT_TRUE(phase != DrillPhase::Recall || session.ReachRecall());
        ASSERT_EQ(Drill.Phase, phase);
        by == ID_EXIT ? session.Click(ID_EXIT) : void(PostMessageA(session.Dialog(), WM_CLOSE, 0, 0));
        for (int i = 0; i < 100 && !session.Ended(); ++i)
            Sleep(20);
        EXPECT_TRUE(session.Ended());
    }
}

} // namespace
