#pragma once
// What the rules ask of the world outside them: the alert beep, a modal
// message box, and a sound device that plays one wave file at a time.
#include <string>

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

}  // namespace kararion
