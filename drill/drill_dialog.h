// What the drill engine asks of the main dialog. The engine knows nothing of windows:
// the dialog implements these operations on the platform, the tests record them.
#ifndef TALLYRA_DRILL_DRILL_DIALOG_H
#define TALLYRA_DRILL_DRILL_DIALOG_H

#include <cstdint>

// The two areas of the dialog that the painter draws from the drill state.
enum class DrillArea : std::uint8_t { Progress, Digits };

// Controls are named by the ids of res/ids.h; texts are UTF-8.
class DrillDialog {
public:
    virtual void Enable(int control, bool enabled) = 0;
    // A null text clears the control.
    virtual void SetText(int control, const char* text) = 0;
    // The sequence field's text (a null text clears it), in a font that shows all of it.
    virtual void ShowSequence(const char* text) = 0;
    // Reads at most size - 1 characters of the control's text, always terminated.
    virtual void ReadText(int control, char* text, int size) = 0;
    virtual void ShowTimerIcon(bool shown) = 0;
    virtual void Focus(int control) = 0;
    // Invalidates the area with erasing, so that the next paint starts from the background.
    virtual void Invalidate(DrillArea area) = 0;
    virtual void StartCountdownTimer() = 0;
    virtual void StopCountdownTimer() = 0;
    // An OK-only box owned by the dialog; returns when it is closed.
    virtual void ShowMessage(const char* text, const char* caption) = 0;
    virtual bool NumbersModeChosen() = 0;
    // The balloon under the answer field with the value expected next; the field keeps the focus.
    virtual void ShowHint() = 0;
    virtual void HideHint() = 0;
    virtual std::uint32_t TickCount() = 0;

protected:
    ~DrillDialog() = default;
};

#endif
