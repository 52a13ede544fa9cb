// The field that shows the series while it is memorised, and the values recalled so far.
#ifndef TALLYRA_UI_SEQUENCE_FIELD_H
#define TALLYRA_UI_SEQUENCE_FIELD_H

#include <windows.h>

// A read-only field of several lines, without scroll bars; its lines break only after a comma.
void CreateSequenceField(HWND dialog);
// Shows the text (a null text clears the field) in SequenceFont, or in the compact font
// where SequenceFont cannot show all of it.
void ShowSequence(const char* text);

#endif
