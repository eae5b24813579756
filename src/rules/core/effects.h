#pragma once
// What the rules ask of the world outside them: the alert beep, a modal
// message box, and a sound device that plays one wave file at a time.
#include <functional>
#include <string>
#include <vector>

namespace kararion {

class Effects {
public:
    virtual ~Effects() = default;
    virtual void Beep() = 0;
    // Modal: returns when the player has closed the box (OK only, no icon).
    virtual void MessageBox(const std::string& text, const std::string& title) = 0;
    // The sound device: close everything that plays, open a file, play it.
    virtual void SoundCloseAll() = 0;
    virtual void SoundOpen(const std::string& path) = 0;
    virtual void SoundPlay(const std::string& path) = 0;
};

// Remembers what was asked, for tests and for measuring the rules alone.
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
