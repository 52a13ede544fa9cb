#include "drill.h"

#include "ids.h"
#include "drill_dialog.h"
#include "drill_state.h"
#include "sequence.h"

namespace {

constexpr char StartCaption[] = "СТАРТ";
constexpr char StopCaption[] = "ОСТАНОВИТЬ";
constexpr char SuccessText[] = "Вы запомнили все цифры!";
constexpr char SuccessCaption[] = "Браво!";
constexpr char GiveUpCaption[] = "Вы не запомнили следующий ряд:";

// The controls that set up a drill: locked while a series is shown or recalled.
constexpr int SetupControls[] = {ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS};
constexpr int RecallControls[] = {ID_ANSWER, ID_HINT};

// Each success makes the next series one value longer and two seconds longer.
constexpr int CountStep = 1;
constexpr int SecondsStep = 2;

void StartMemorize(DrillDialog& dialog)
{
    // Disabling a focused count or time field commits it, so the series uses what was typed.
    for (int control : SetupControls)
        dialog.Enable(control, false);
    dialog.Enable(ID_START, false);
    // The countdown is drawn where the icon was; hiding it repaints that area.
    dialog.ShowTimerIcon(false);
    GenerateSequence(dialog, dialog.NumbersModeChosen());
    dialog.ShowSequence(Drill.SequenceText);
    Drill.Countdown = Drill.ShowSeconds;
    dialog.StartCountdownTimer();
    Drill.Phase = DrillPhase::Memorize;
}

void StartRecall(DrillDialog& dialog)
{
    for (int control : RecallControls)
        dialog.Enable(control, true);
    dialog.Enable(ID_START, true);
    dialog.SetText(ID_START, StopCaption);
    dialog.ShowTimerIcon(true);
    Drill.SequenceText[0] = '\0';
    dialog.ShowSequence(nullptr);
    dialog.Focus(ID_ANSWER);
    Drill.Phase = DrillPhase::Recall;
    dialog.Invalidate(DrillArea::Progress);
}

void ReturnToIdle(DrillDialog& dialog)
{
    for (int control : SetupControls)
        dialog.Enable(control, true);
    for (int control : RecallControls)
        dialog.Enable(control, false);
    dialog.SetText(ID_START, StartCaption);
    dialog.ShowSequence(nullptr);
    dialog.SetText(ID_ANSWER, nullptr);
    dialog.Focus(ID_START);
    Drill.RecallIndex = 0;
    Drill.Phase = DrillPhase::Idle;
    dialog.Invalidate(DrillArea::Progress);
}

// What the window offers in each phase. The outcome boxes open during recall, and under them
// it offers nothing; the praise box is open once the whole series has been recalled.
bool CanStartOrStop()
{
    return !Drill.OutcomeShown && Drill.Phase != DrillPhase::Memorize;
}

bool CanSetUp()
{
    return Drill.Phase == DrillPhase::Idle;
}

bool IsValueExpected()
{
    return !Drill.OutcomeShown && Drill.Phase == DrillPhase::Recall;
}

void ShowOutcome(DrillDialog& dialog, const char* text, const char* caption)
{
    Drill.OutcomeShown = true;
    dialog.ShowMessage(text, caption);
    Drill.OutcomeShown = false;
}

std::uint8_t ClampParameter(int value)
{
    if (value < 1)
        return 1;
    return value > MaxParameter ? MaxParameter : static_cast<std::uint8_t>(value);
}

// One digit or more and nothing else: what a digits-only field holds unless text was pasted.
bool IsNumber(const char* text)
{
    const char* end = text;
    while (*end >= '0' && *end <= '9')
        ++end;
    return end != text && *end == '\0';
}

// The field shows the value in force: plain digits stay as typed ("05"),
// anything else is rewritten as the number taken.
void CommitParameter(DrillDialog& dialog, int control, std::uint8_t& parameter)
{
    if (!CanSetUp())
        return;
    dialog.ReadText(control, Drill.NumberText, NumberTextSize);
    const auto typed = static_cast<std::uint8_t>(ParseNumber(Drill.NumberText));
    parameter = ClampParameter(typed);
    if (parameter != typed || !IsNumber(Drill.NumberText))
        FormatNumber(parameter);
    dialog.SetText(control, Drill.NumberText);
}

void CompleteSeries(DrillDialog& dialog)
{
    dialog.ShowSequence(Drill.SequenceText);
    ShowOutcome(dialog, SuccessText, SuccessCaption);
    Drill.ItemCount = ClampParameter(Drill.ItemCount + CountStep);
    Drill.ShowSeconds = ClampParameter(Drill.ShowSeconds + SecondsStep);
    FormatNumber(Drill.ItemCount);
    dialog.SetText(ID_COUNT, Drill.NumberText);
    FormatNumber(Drill.ShowSeconds);
    dialog.SetText(ID_TIME, Drill.NumberText);
    AdvancePhase(dialog);
}

} // namespace

void AdvancePhase(DrillDialog& dialog)
{
    switch (Drill.Phase) {
    case DrillPhase::Idle:
        StartMemorize(dialog);
        break;
    case DrillPhase::Memorize:
        StartRecall(dialog);
        break;
    case DrillPhase::Recall:
        ReturnToIdle(dialog);
        break;
    }
}

void OnStartStop(DrillDialog& dialog)
{
    if (!CanStartOrStop())
        return;
    if (Drill.Phase == DrillPhase::Recall) {
        // Giving up: the box lists the whole series while the field keeps what was recalled.
        dialog.HideHint();
        BuildSequenceText();
        ShowOutcome(dialog, Drill.SequenceText, GiveUpCaption);
    }
    AdvancePhase(dialog);
}

void OnTimer(DrillDialog& dialog, std::uintptr_t timerId)
{
    // A tick from outside the countdown (a late or stray one) must not wrap it.
    if (timerId != TIMER_COUNTDOWN || Drill.Phase != DrillPhase::Memorize)
        return;
    if (--Drill.Countdown == 0) {
        dialog.StopCountdownTimer();
        AdvancePhase(dialog);
    } else {
        dialog.Invalidate(DrillArea::Digits);
    }
}

void OnAnswerChanged(DrillDialog& dialog)
{
    // The program clears the field outside recall too; only recall has a value to expect.
    if (!IsValueExpected())
        return;
    dialog.ReadText(ID_ANSWER, Drill.NumberText, NumberTextSize);
    // A paste gets past the field's digits-only style: other text waits there to be corrected.
    if (!IsNumber(Drill.NumberText))
        return;
    // The first text that matches is taken: "7" at once, "72" after the "7" has waited.
    if (static_cast<std::uint8_t>(ParseNumber(Drill.NumberText)) != Drill.SequenceValues[Drill.RecallIndex])
        return;

    dialog.HideHint();
    ++Drill.RecallIndex;
    AppendText(Drill.SequenceText, SequenceTextSize, Drill.NumberText);
    dialog.Invalidate(DrillArea::Progress);
    if (Drill.RecallIndex == Drill.ItemCount) {
        CompleteSeries(dialog);
        return;
    }
    AppendText(Drill.SequenceText, SequenceTextSize, ",");
    dialog.ShowSequence(Drill.SequenceText);
    dialog.SetText(ID_ANSWER, nullptr);
}

void OnAnswerLostFocus(DrillDialog& dialog)
{
    dialog.HideHint();
}

void OnHintClicked(DrillDialog& dialog)
{
    if (IsValueExpected())
        dialog.ShowHint();
}

const char* ExpectedValueText()
{
    if (!IsValueExpected())
        return "";
    FormatNumber(Drill.SequenceValues[Drill.RecallIndex]);
    return Drill.NumberText;
}

void OnCountCommitted(DrillDialog& dialog)
{
    CommitParameter(dialog, ID_COUNT, Drill.ItemCount);
}

void OnTimeCommitted(DrillDialog& dialog)
{
    CommitParameter(dialog, ID_TIME, Drill.ShowSeconds);
}
