// A dialog for the engine's tests that keeps what the user would see, and behaves like the
// real controls where the engine relies on it: the answer field notifies each change of its
// text, and a focused count or time field that is disabled or left commits.
#ifndef TALLYRA_TESTS_RECORDING_DIALOG_H
#define TALLYRA_TESTS_RECORDING_DIALOG_H

#include "drill.h"
#include "drill_dialog.h"
#include "drill_state.h"
#include "ids.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class RecordingDialog final : public DrillDialog {
public:
    std::map<int, std::string> texts {
        {ID_SEQUENCE, ""}, {ID_ANSWER, ""}, {ID_COUNT, "3"}, {ID_TIME, "3"}, {ID_START, "СТАРТ"}};
    std::set<int> disabled {ID_ANSWER, ID_HINT};
    // What the painter last drew in each area; empty where it has still to draw, as at first.
    std::map<DrillArea, std::string> drawn {{DrillArea::Digits, "icon"}};
    bool numbersMode = true; // "0..99" chosen
    // Each message box as "caption|text|sequence field": what the user sees while it is open.
    std::vector<std::string> boxes;
    // What reaches the dialog while a box is open, as its loop dispatches messages.
    std::function<void()> whileBoxOpen;
    int focused = ID_START; // 0: no control
    bool timerRunning = false;
    bool hintShown = false;
    std::uint32_t ticks = 1;

    void Enable(int control, bool enabled) override
    {
        if (enabled)
            disabled.erase(control);
        else if (disabled.insert(control).second && focused == control)
            Focus(0);
    }
    void SetText(int control, const char* text) override { Change(control, text ? text : ""); }
    void ShowSequence(const char* text) override { texts[ID_SEQUENCE] = text ? text : ""; }
    void ReadText(int control, char* text, int size) override { text[texts[control].copy(text, size - 1)] = '\0'; }
    // Hiding the icon lays bare the area where the countdown is drawn.
    void ShowTimerIcon(bool shown) override { drawn[DrillArea::Digits] = shown ? "icon" : ""; }
    void Focus(int control) override
    {
        if (const int left = std::exchange(focused, control); left == ID_COUNT || left == ID_TIME)
            (left == ID_COUNT ? OnCountCommitted : OnTimeCommitted)(*this);
        else if (left == ID_ANSWER)
            OnAnswerLostFocus(*this);
    }
    void Invalidate(DrillArea area) override { drawn[area].clear(); }
    void StartCountdownTimer() override { timerRunning = true; }
    void StopCountdownTimer() override { timerRunning = false; }
    void ShowMessage(const char* text, const char* caption) override
    {
        boxes.push_back(std::string(caption) + "|" + text + "|" + texts[ID_SEQUENCE]);
        if (whileBoxOpen)
            std::exchange(whileBoxOpen, nullptr)();
    }
    bool NumbersModeChosen() override { return numbersMode; }
    void ShowHint() override { hintShown = true; }
    void HideHint() override { hintShown = false; }
    std::uint32_t TickCount() override { return ticks; }

    // The phase, then what the user sees once the dialog is painted: the strip (full but in recall)
    // with the series length and time, the countdown or the icon, the texts of the sequence, answer,
    // count and time fields and the start button, the disabled controls, the one with the focus,
    // and the value "?" would show.
    std::string Seen()
    {
        if (drawn[DrillArea::Progress].empty())
            drawn[DrillArea::Progress] = Drill.Phase == DrillPhase::Recall ? std::to_string(Drill.RecallIndex) : "all";
        if (drawn[DrillArea::Digits].empty())
            drawn[DrillArea::Digits] = "countdown " + std::to_string(Drill.Countdown);
        const char* const phases[] = {"idle", "memorize", "recall"};
        std::string seen = std::string(phases[static_cast<int>(Drill.Phase)]) + ", " + drawn[DrillArea::Progress] +
            " of " + std::to_string(Drill.ItemCount) + " in " + std::to_string(Drill.ShowSeconds) + " s, " +
            drawn[DrillArea::Digits] + " |";
        for (const auto& [control, text] : texts)
            seen += " " + text + " |";
        seen += " disabled";
        for (int control : disabled)
            seen += " " + std::to_string(control);
        return seen + " | focus " + std::to_string(focused) + (timerRunning ? " | timer" : "") +
            (hintShown ? " | hint" : "") + " | boxes " + std::to_string(boxes.size()) + " | expects " +
            ExpectedValueText();
    }

    // The user types into the answer field: every key is one change.
    void Type(const std::string& keys)
    {
        for (char key : keys)
            Change(ID_ANSWER, texts[ID_ANSWER] + key);
    }
    void Change(int control, const std::string& text)
    {
        texts[control] = text;
        if (control == ID_ANSWER)
            OnAnswerChanged(*this);
    }
};

#endif
