#ifndef TALLYRA_UI_MAIN_DIALOG_CONTROLS_H
#define TALLYRA_UI_MAIN_DIALOG_CONTROLS_H

#include "drill_dialog.h"

// The drill engine's operations, carried out on the main dialog's controls.
class MainDialogControls final : public DrillDialog {
public:
    void Enable(int control, bool enabled) override;
    void SetText(int control, const char* text) override;
    void ShowSequence(const char* text) override;
    void ReadText(int control, char* text, int size) override;
    void ShowTimerIcon(bool shown) override;
    void Focus(int control) override;
    void Invalidate(DrillArea area) override;
    void StartCountdownTimer() override;
    void StopCountdownTimer() override;
    void ShowMessage(const char* text, const char* caption) override;
    bool NumbersModeChosen() override;
    void ShowHint() override;
    void HideHint() override;
    std::uint32_t TickCount() override;
};

#endif
