#include "dialog_session.h"
#include "drill_state.h"
#include "ids.h"
#include "ui_state.h"

#include <gtest/gtest.h>

namespace {

TEST(MainDialog, OpensReadyForADrill)
{
    DialogSession session;
    ASSERT_NE(session.Dialog(), nullptr);
    EXPECT_EQ(session.Text(session.Dialog()), "Tallyra от Vestrin");
    EXPECT_EQ(session.Text(ID_COUNT), "3");
    EXPECT_EQ(session.Text(ID_TIME), "3");
    EXPECT_EQ(session.Text(ID_START), "СТАРТ");
    EXPECT_FALSE(session.Enabled(ID_ANSWER));
    EXPECT_FALSE(session.Enabled(ID_HINT));
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
    EXPECT_EQ(Drill.Phase, DrillPhase::Memorize);
    EXPECT_EQ(Drill.ShowSeconds, 1);
    ASSERT_TRUE(session.WaitUntil([] { return Drill.Phase == DrillPhase::Recall; }, 3000));
    EXPECT_EQ(session.Focused(), session.Control(ID_ANSWER));
    for (int i = 0; i < 3; ++i)
        session.Type(ID_ANSWER, std::to_string(Drill.SequenceValues[i]));
    const auto boxes = session.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Браво!");
    EXPECT_EQ(boxes[0].text, "Вы запомнили все цифры!");
    EXPECT_EQ(session.Text(ID_COUNT), "4");
    EXPECT_EQ(session.Text(ID_TIME), "3");
}

} // namespace
