#pragma once
// Effects that remember what was asked, for tests and for measuring the rules
// alone. Never part of the game itself.
#include <functional>
#include <string>
#include <vector>

#include "core/effects.h"

namespace kararion {

class RecordingEffects : public Effects {
public:
    enum class Kind { Beep, MessageBox, SoundCloseAll, SoundOpen, SoundPlay };
    struct Event {
        Kind kind;
        std::string text;   // message text or sound path
        std::string title;  // message title
        bool operator==(const Event&) const = default;
    };

    void Beep() override;
    void MessageBox(const std::string& text, const std::string& title) override;
    void SoundCloseAll() override;
    void SoundOpen(const std::string& path) override;
    void SoundPlay(const std::string& path) override;

    // Runs while a message box is "open", e.g. to let simulated time pass.
    std::function<void(const std::string& text)> whileMessageOpen;
    // Keep only counts (long simulations that would otherwise grow the log).
    bool keepLog = true;

    std::vector<Event> events;
    int beeps = 0;
    int messages = 0;
    std::string lastOpened;  // path of the sound the device holds, "" when closed

    std::vector<std::string> Messages() const;      // texts of the message boxes, in order
    std::vector<std::string> SoundsPlayed() const;  // paths given to SoundPlay, in order
    void Clear();
};

}  // namespace kararion
