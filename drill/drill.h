// The rules of the game: the phase machine and what each user action does to it.
#ifndef TALLYRA_DRILL_DRILL_H
#define TALLYRA_DRILL_DRILL_H

#include <cstdint>

class DrillDialog;

// Idle -> Memorize -> Recall -> Idle.
void AdvancePhase(DrillDialog& dialog);

// The user's actions. Each moves the drill only where the window offers it: commands that
// another program posts, or a paste into a digits-only field, reach these in any phase.

// Click of the start button: starts a drill, or gives up during recall.
void OnStartStop(DrillDialog& dialog);
// One second of the countdown has passed.
void OnTimer(DrillDialog& dialog, std::uintptr_t timerId);
// The answer field's text changed: takes the value if it is the one expected next.
void OnAnswerChanged(DrillDialog& dialog);
void OnAnswerLostFocus(DrillDialog& dialog);
// Click of "?": shows the hint while a value is still to be recalled.
void OnHintClicked(DrillDialog& dialog);
// The value expected next, as the hint shows it: in NumberText, without a leading zero;
// empty when none is expected.
const char* ExpectedValueText();
// The count or time field lost the focus: its value comes into force.
void OnCountCommitted(DrillDialog& dialog);
void OnTimeCommitted(DrillDialog& dialog);

#endif
