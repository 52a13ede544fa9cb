#include "sequence.h"

#include "drill_dialog.h"
#include "drill_state.h"

// x mod (2^31 - 1) by folding the high bits onto the low ones: 2^31 leaves 1.
// It needs no 64-bit division, which a 32-bit target would take from a support library.
static std::uint32_t ReduceModulus(std::uint64_t x)
{
    std::uint64_t folded = (x & RngModulus) + (x >> 31);
    folded = (folded & RngModulus) + (folded >> 31);
    return static_cast<std::uint32_t>(folded >= RngModulus ? folded - RngModulus : folded);
}

std::uint32_t NextRandom(DrillDialog& dialog)
{
    if (Drill.RngState < 0) {
        std::uint32_t seed = dialog.TickCount();
        // A seed that is a multiple of the modulus would pin the generator at 0 for good.
        if (ReduceModulus(seed) == 0)
            seed = 1;
        Drill.RngState = static_cast<std::int32_t>(seed);
    }
    const std::uint64_t product =
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(Drill.RngState)) * RngMultiplier;
    Drill.RngState = static_cast<std::int32_t>(ReduceModulus(product));
    return static_cast<std::uint32_t>(Drill.RngState);
}

// Rejection sampling on the low bits keeps every value of the range equally likely.
static std::uint8_t DrawValue(DrillDialog& dialog, std::uint32_t mask, std::uint32_t limit)
{
    std::uint32_t value;
    do
        value = NextRandom(dialog) & mask;
    while (value >= limit);
    return static_cast<std::uint8_t>(value);
}

void GenerateSequence(DrillDialog& dialog, bool numbersMode)
{
    const std::uint32_t mask = numbersMode ? 0x7F : 0x0F;
    const std::uint32_t limit = numbersMode ? 100 : 10;
    for (int i = 0; i < Drill.ItemCount; ++i)
        Drill.SequenceValues[i] = DrawValue(dialog, mask, limit);
    BuildSequenceText();
}

void BuildSequenceText()
{
    Drill.SequenceText[0] = '\0';
    for (int i = 0; i < Drill.ItemCount; ++i) {
        FormatNumber(Drill.SequenceValues[i]);
        AppendText(Drill.SequenceText, SequenceTextSize, Drill.NumberText);
        if (i + 1 < Drill.ItemCount)
            AppendText(Drill.SequenceText, SequenceTextSize, ",");
    }
}

void FormatNumber(std::uint32_t value)
{
    const std::uint32_t tens = value / 10 % 10;
    char* out = Drill.NumberText;
    if (tens != 0)
        *out++ = static_cast<char>('0' + tens);
    *out++ = static_cast<char>('0' + value % 10);
    *out = '\0';
}

std::uint32_t ParseNumber(const char* text)
{
    std::uint32_t value = 0;
    for (; *text != '\0'; ++text)
        value = value * 10 + (static_cast<std::uint8_t>(*text) - 48u);
    return value;
}

void AppendText(char* text, int size, const char* source)
{
    int length = 0;
    while (length < size - 1 && text[length] != '\0')
        ++length;
    while (length < size - 1 && *source != '\0')
        text[length++] = *source++;
    text[length] = '\0';
}
