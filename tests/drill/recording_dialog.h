// A dialog for the engine's tests: it records every operation in order and behaves like
// the real controls where the engine relies on it: the answer field notifies each change
// of its text, and a focused field that is disabled or left commits (or hides the hint).
#ifndef TALLYRA_TESTS_RECORDING_DIALOG_H
#define TALLYRA_TESTS_RECORDING_DIALOG_H

#include "drill.h"
#include "drill_dialog.h"
#include "drill_state.h"
#include "ids.h"

#include <map>
#include <string>
#include <vector>

using Log = std::vector<std::string>;

class RecordingDialog final : public DrillDialog {
public:
    Log log;
    // Each box as "caption | text | sequence field": what the user sees while it is open.
    Log boxes;
    std::map<int, std::string> texts{{ID_COUNT, "3"}, {ID_TIME, "3"}};
    int focused = ID_START;
    bool numbersMode = true;
    std::uint32_t ticks = 1;

    void Enable(int control, bool enable) override
    {
        Record(enable ? "enable" : "disable", control);
        if (!enable && focused == control)
            MoveFocus(0);
    }
    void SetText(int control, const char* text) override
    {
        Record("text", control, text ? text : "<clear>");
        Change(control, text ? text : "");
    }
    void ReadText(int control, char* text, int size) override
    {
        const auto length = texts[control].copy(text, size - 1);
        text[length] = '\0';
    }
    void ShowTimerIcon(bool shown) override { log.push_back(shown ? "show icon" : "hide icon"); }
    void Focus(int control) override
    {
        Record("focus", control);
        MoveFocus(control);
    }
    void Invalidate(DrillArea area) override
    {
        log.push_back(area == DrillArea::Progress ? "invalidate progress" : "invalidate digits");
    }
    void StartCountdownTimer() override { log.push_back("start timer"); }
    void StopCountdownTimer() override { log.push_back("stop timer"); }
    void ShowMessage(const char* text, const char* caption) override
    {
        log.push_back(std::string("message ") + caption);
        boxes.push_back(std::string(caption) + " | " + text + " | " + texts[ID_SEQUENCE]);
    }
    bool NumbersModeChosen() override { return numbersMode; }
    void HideHint() override { log.push_back("hide hint"); }
    std::uint32_t TickCount() override { return ticks; }

    // The user edits the answer field: every keystroke is one change.
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

private:
    void Record(const char* what, int control, const std::string& text = "")
    {
        log.push_back(what + (" " + std::to_string(control)) + (text.empty() ? "" : " " + text));
    }
    void MoveFocus(int control)
    {
        const int left = focused;
        focused = control;
        if (left == ID_COUNT)
            OnCountCommitted(*this);
        else if (left == ID_TIME)
            OnTimeCommitted(*this);
        else if (left == ID_ANSWER && control != ID_ANSWER)
            OnAnswerLostFocus(*this);
    }
};

#endif
