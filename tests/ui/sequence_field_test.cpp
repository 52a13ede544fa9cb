// The series field and the widest series it can be given.
#include "dialog_session.h"
#include "sequence_field.h"

#include <gtest/gtest.h>

namespace {

// 99 values of two digits break their lines only right after a comma, so that no value is split
// and no line begins with a comma, and show whole: the last line lies inside the field.
TEST(SequenceField, TheWidestSeriesShowsWholeWithNoValueSplit)
{
    DialogSession session;
    std::string widest = "99";
    for (int value = 1; value < 99; ++value)
        widest += ",99";
    ShowSequence(widest.c_str());
    const auto lines = SendMessageA(Ui.Sequence, EM_GETLINECOUNT, 0, 0);
    EXPECT_GT(lines, 1);
    for (int line = 1; line < lines; ++line)
        EXPECT_EQ(widest[SendMessageA(Ui.Sequence, EM_LINEINDEX, line, 0) - 1], ',') << "line " << line;
    const auto top = [](LRESULT character) { return HIWORD(SendMessageA(Ui.Sequence, EM_POSFROMCHAR, character, 0)); };
    const int lineHeight = top(SendMessageA(Ui.Sequence, EM_LINEINDEX, 1, 0)) - top(0);
    RECT client;
    GetClientRect(Ui.Sequence, &client);
    EXPECT_LE(top(widest.size() - 1) + lineHeight, client.bottom);
}

} // namespace
