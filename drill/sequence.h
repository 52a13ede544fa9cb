// The random series of a drill and the decimal text of its numbers.
#ifndef TALLYRA_DRILL_SEQUENCE_H
#define TALLYRA_DRILL_SEQUENCE_H

#include <cstdint>

class DrillDialog;

// Lehmer generator: state = state * 69621 mod (2^31 - 1).
inline constexpr std::uint32_t RngMultiplier = 69621;
inline constexpr std::uint32_t RngModulus = 2147483647;

// Seeds from the dialog's tick count on the first draw of the process.
std::uint32_t NextRandom(DrillDialog& dialog);
// Draws ItemCount values (0..99, or 0..9 in digits mode) and joins them into SequenceText.
void GenerateSequence(DrillDialog& dialog, bool numbersMode);
// Rewrites SequenceText from the first ItemCount values: "12,7,95".
void BuildSequenceText();
// Writes 0..99 into NumberText without a leading zero.
void FormatNumber(std::uint32_t value);
// Decimal value of a text; every character counts as a digit, an empty text is 0.
std::uint32_t ParseNumber(const char* text);

// Appends source to the terminated text in a buffer of size bytes, cutting what does not fit.
void AppendText(char* text, int size, const char* source);

#endif
