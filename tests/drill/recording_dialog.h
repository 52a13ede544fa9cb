// A dialog for the engine's tests: it records every operation in order and behaves
// like the real controls where the engine relies on it (a change notification after
// each text change of the answer field, a focus-loss commit when a focused field is disabled).
#ifndef TALLYRA_TESTS_RECORDING_DIALOG_H
#define TALLYRA_TESTS_RECORDING_DIALOG_H

#include "drill.h"
#include "drill_dialog.h"
#include "drill_state.h"
#include "ids.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

class RecordingDialog final : public DrillDialog {
public:
    std::vector<std::string> log;
    std::map<int, std::string> texts{{ID_COUNT, "3"}, {ID_TIME, "3"}};
    std::map<int, bool> enabled;
    int focused = 0;
    bool numbersMode = true;
    bool timerRunning = false;
    std::uint32_t ticks = 1;
    // Each box as "caption | text | sequence field": what the user sees while it is open.
    std::vector<std::string> messagesShown;

    void Enable(int control, bool enable) override
    {
        log.push_back((enable ? "enable " : "disable ") + std::to_string(control));
        enabled[control] = enable;
        if (!enable && focused == control) {
            focused = 0;
            LoseFocus(control);
        }
    }
    void SetText(int control, const char* text) override
    {
        log.push_back("text " + std::to_string(control) + " " + (text ? text : "<clear>"));
        texts[control] = text ? text : "";
        if (control == ID_ANSWER)
            OnAnswerChanged(*this);
    }
    void ReadText(int control, char* text, int size) override
    {
        const std::string& held = texts[control];
        std::strncpy(text, held.c_str(), size - 1);
        text[size - 1] = '\0';
    }
    void ShowTimerIcon(bool shown) override { log.push_back(shown ? "show icon" : "hide icon"); }
    void Focus(int control) override
    {
        log.push_back("focus " + std::to_string(control));
        if (focused != 0 && focused != control)
            LoseFocus(focused);
        focused = control;
    }
    void Invalidate(DrillArea area) override
    {
        log.push_back(area == DrillArea::Progress ? "invalidate progress" : "invalidate digits");
    }
    void StartCountdownTimer() override
    {
        log.push_back("start timer");
        timerRunning = true;
    }
    void StopCountdownTimer() override
    {
        log.push_back("stop timer");
        timerRunning = false;
    }
    void ShowMessage(const char* text, const char* caption) override
    {
        log.push_back(std::string("message ") + caption + " | " + text);
        messagesShown.push_back(std::string(caption) + " | " + text + " | sequence field: " + texts[ID_SEQUENCE]);
    }
    bool NumbersModeChosen() override { return numbersMode; }
    void HideHint() override { log.push_back("hide hint"); }
    std::uint32_t TickCount() override { return ticks; }

    // The user types into the answer field: each keystroke is one change.
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            texts[ID_ANSWER] += key;
            OnAnswerChanged(*this);
        }
    }
    void Backspace()
    {
        texts[ID_ANSWER].pop_back();
        OnAnswerChanged(*this);
    }
    void DeleteFirst()
    {
        texts[ID_ANSWER].erase(0, 1);
        OnAnswerChanged(*this);
    }

private:
    void LoseFocus(int control)
    {
        if (control == ID_COUNT)
            OnCountCommitted(*this);
        else if (control == ID_TIME)
            OnTimeCommitted(*this);
        else if (control == ID_ANSWER)
            OnAnswerLostFocus(*this);
    }
};

#endif
