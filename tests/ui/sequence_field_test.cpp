// The series field: a series too long for one line.
#include "dialog_session.h"
#include "sequence_field.h"

#include <gtest/gtest.h>

namespace {

// A series too long for one line breaks only right after a comma, and one too long for the
// field's own font, Verdana of 14 pixels, takes a smaller one; one that fits has it again.
TEST(SequenceField, EveryValueOfALongSeriesReadsAsItselfAndShows)
{
    DialogSession session;
    const auto series = [](int length, std::vector<int> values) { // the values taken in turn
        std::string text = std::to_string(values[0]);
        for (int i = 1; i < length; ++i)
            text += "," + std::to_string(values[i % values.size()]);
        return text;
    };
    const std::vector<int> numbers = {31, 70, 50, 9, 90, 59, 24, 7, 64, 9, 92, 0, 18, 5, 77, 41, 3, 86};
    // The recall text ends with a comma.
    const struct {
        std::string text;
        bool ownFont;
    } cases[] = {{series(99, numbers), false},
                 {series(99, {3, 8, 1, 0, 6, 2, 9}), false},
                 {series(99, {99}), false},
                 {series(40, numbers) + ",", true}};
    for (const auto& [text, ownFont] : cases) {
        ShowSequence(text.c_str());
        EXPECT_EQ(DialogSession::Text(Ui.Sequence), text);
        // Each line but the first begins right after a comma: no value is split, no line begins with one.
        const auto lines = SendMessageA(Ui.Sequence, EM_GETLINECOUNT, 0, 0);
        EXPECT_GT(lines, 1) << text;
        for (int line = 1; line < lines; ++line)
            EXPECT_EQ(text[SendMessageA(Ui.Sequence, EM_LINEINDEX, line, 0) - 1], ',') << text << " line " << line;
        // The last line lies wholly inside the field.
        const auto top = [&](LRESULT character) {
            return HIWORD(SendMessageA(Ui.Sequence, EM_POSFROMCHAR, character, 0));
        };
        const int lineHeight = top(SendMessageA(Ui.Sequence, EM_LINEINDEX, 1, 0)) - top(0);
        RECT client;
        GetClientRect(Ui.Sequence, &client);
        EXPECT_LE(top(text.size() - 1) + lineHeight, client.bottom) << text;
        LOGFONTA font;
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Ui.Sequence, WM_GETFONT, 0, 0)), sizeof font, &font);
        const bool inOwnFont = font.lfHeight == 14 && font.lfFaceName == std::string("Verdana");
        EXPECT_EQ(inOwnFont, ownFont) << text;
    }
}

} // namespace
