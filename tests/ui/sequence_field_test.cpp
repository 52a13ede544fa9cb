// The series field and the long series it is given.
#include "dialog_session.h"
#include "sequence_field.h"

#include <gtest/gtest.h>

namespace {

// A long series breaks its lines only right after a comma, so that no value is split and no line
// begins with a comma, and shows whole, its last line inside the field: the widest there can be,
// 99 values of two digits, and 99 of one digit, which the field's own font cannot show whole.
TEST(SequenceField, ALongSeriesShowsWholeWithNoValueSplit)
{
    DialogSession session;
    for (const std::string value : {"99", "7"}) {
        std::string series = value;
        for (int values = 1; values < 99; ++values)
            series += "," + value;
        ShowSequence(series.c_str());
        const auto lines = SendMessageA(Ui.Sequence, EM_GETLINECOUNT, 0, 0);
        EXPECT_GT(lines, 1) << series;
        for (int line = 1; line < lines; ++line)
            EXPECT_EQ(series[SendMessageA(Ui.Sequence, EM_LINEINDEX, line, 0) - 1], ',') << series << " " << line;
        const auto top = [](LRESULT at) { return HIWORD(SendMessageA(Ui.Sequence, EM_POSFROMCHAR, at, 0)); };
        const int lineHeight = top(SendMessageA(Ui.Sequence, EM_LINEINDEX, 1, 0)) - top(0);
        RECT client;
        GetClientRect(Ui.Sequence, &client);
        EXPECT_LE(top(series.size() - 1) + lineHeight, client.bottom) << series;
    }
}

} // namespace
