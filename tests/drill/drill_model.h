// The rules of the drill as a user meets them, written apart from the engine's code: what each
// action does to what the window shows.
#ifndef TALLYRA_TESTS_DRILL_MODEL_H
#define TALLYRA_TESTS_DRILL_MODEL_H

#include "recording_dialog.h"

#include <algorithm>

struct DrillModel : Controls<DrillModel> {
    enum Phase { Idle, Memorize, Recall } phase = Idle;
    int count = 3;
    int time = 3;
    int countdown = 0;
    int index = 0; // of the value expected next
    std::vector<int> series;
    std::string seriesText;
    std::int64_t generator = -1; // seeded from the tick count at the first draw
    bool boxOpen = false;
    std::string seenUnderBox;

    std::string Seen()
    {
        const char* const phases[] = {"idle", "memorize", "recall"};
        const std::set<int> setUp {ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS};
        const std::set<int> disabledIn[] = {
            {ID_ANSWER, ID_HINT},
            {ID_ANSWER, ID_HINT, ID_COUNT, ID_TIME, ID_RANGE_DIGITS, ID_RANGE_NUMBERS, ID_START},
            setUp};
        disabled = disabledIn[phase];
        texts[ID_START] = phase == Recall ? "ОСТАНОВИТЬ" : "СТАРТ";
        timerRunning = phase == Memorize;
        return Controls::Seen(std::string(phases[phase]) + ", " + (phase == Recall ? std::to_string(index) : "all") +
                                  " of " + std::to_string(count) + " in " + std::to_string(time) + " s, " +
                                  (phase == Memorize ? "countdown " + std::to_string(countdown) : "icon"),
                              phase == Recall && !boxOpen ? std::to_string(series[index]) : "");
    }
    // Lehmer's: state * 69621 mod (2^31 - 1); a number is the low 7 bits under 100, a digit the low 4 under 10.
    int Draw()
    {
        const int bits = numbersMode ? 0x7F : 0x0F;
        if (generator < 0)
            generator = ticks % 2147483647 == 0 ? 1 : ticks;
        do
            generator = generator * 69621 % 2147483647;
        while ((generator & bits) >= (numbersMode ? 100 : 10));
        return static_cast<int>(generator & bits);
    }
    // Nothing acts while a box is open; closed, it leaves the drill idle.
    void ShowBox(const std::string& caption, const std::string& text)
    {
        hintShown = false;
        boxes.push_back(caption + "|" + text + "|" + texts[ID_SEQUENCE]);
        boxOpen = true;
        seenUnderBox = Seen();
        boxOpen = false;
        phase = Idle;
        index = 0;
        texts[ID_SEQUENCE] = texts[ID_ANSWER] = "";
        Focus(ID_START);
    }

    void OnStartStop()
    {
        if (phase != Idle)
            return phase == Recall ? ShowBox("Вы не запомнили следующий ряд:", seriesText) : void();
        Focus(0); // the set-up controls and the start button are disabled: what was typed there comes into force
        series.resize(count);
        seriesText.clear();
        for (int& value : series)
            seriesText += (seriesText.empty() ? "" : ",") + std::to_string(value = Draw());
        texts[ID_SEQUENCE] = seriesText;
        countdown = time;
        phase = Memorize;
    }
    void OnTimer(std::uintptr_t timer)
    {
        if (timer != 1 || phase != Memorize || --countdown > 0)
            return;
        phase = Recall;
        texts[ID_SEQUENCE] = "";
        Focus(ID_ANSWER);
    }
    // The first two characters are taken as typed if they are digits of the value expected next.
    void OnAnswerChanged()
    {
        const std::string typed = texts[ID_ANSWER].substr(0, 2);
        if (phase != Recall || typed.empty() || typed.find_first_not_of("0123456789") != std::string::npos ||
            std::stoi(typed) != series[index])
            return;
        hintShown = false;
        texts[ID_SEQUENCE] += typed;
        if (++index < count)
            return texts[ID_SEQUENCE] += ",", Change(ID_ANSWER, "");
        ShowBox("Браво!", "Вы запомнили все цифры!");
        texts[ID_COUNT] = std::to_string(count = std::min(count + 1, 99));
        texts[ID_TIME] = std::to_string(time = std::min(time + 2, 99));
    }
    void OnHintClicked() { hintShown = hintShown || phase == Recall; }
    void OnAnswerLostFocus() { hintShown = false; }
    void OnCountCommitted() { Commit(ID_COUNT, count); }
    void OnTimeCommitted() { Commit(ID_TIME, time); }
    // A count or time left in idle: its first two characters, read digit by digit whatever they are (the low
    // 8 bits), come into force as 1 to 99; the field shows plain digits as typed, other text as the number taken.
    void Commit(int field, int& parameter)
    {
        const std::string typed = texts[field].substr(0, 2);
        int value = 0;
        for (unsigned char c : typed)
            value = (value * 10 + c - '0') & 0xFF;
        if (phase != Idle)
            return;
        parameter = std::clamp(value, 1, 99);
        texts[field] = parameter == value && typed.find_first_not_of("0123456789") == std::string::npos
            ? typed
            : std::to_string(parameter);
    }
};

#endif
