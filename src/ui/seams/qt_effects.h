#pragma once
// The rules' effects on a desktop: the alert beep, a modal message box, and a
// sound device that holds one wave file at a time and plays it on the game's
// one audio output.
#include <QString>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/effects.h"
#include "ui/seams/sound_output.h"
#include "ui/seams/wave_samples.h"

namespace kararion::ui {

class QtEffects : public Effects {
public:
    QtEffects();
    ~QtEffects() override;
    QtEffects(const QtEffects&) = delete;
    QtEffects& operator=(const QtEffects&) = delete;

    void Beep() override;
    void MessageBox(const std::string& text, const std::string& title) override;
    void SoundCloseAll() override;
    void SoundOpen(const std::string& path) override;
    void SoundPlay(const std::string& path) override;

    // Runs before a message box opens, so the windows behind it show the state
    // that led to it.
    void SetBeforeModal(std::function<void()> beforeModal) { beforeModal_ = std::move(beforeModal); }

    // Off, nothing is heard and what is playing stops; the rules go on
    // opening and playing sounds as ever.
    void SetSoundOn(bool on);
    bool SoundOn() const { return soundOn_; }
    // 0 to 100 percent, heard from the next sample on; 0 is silent, not off.
    void SetVolume(int percent);
    int Volume() const { return volume_; }

    // Decodes the given wave files ahead of their first use and opens the
    // output, so that the first bet is heard as promptly as the hundredth.
    void Preload(const std::vector<std::string>& paths);

private:
    // The decoded sound of a file, or nullptr when there is nothing to play
    // (no path, no regular file we may read, no wave we know, no audio output).
    const WaveSamples* Prepare(const std::string& path);
    bool HaveAudioOutput();
    void LogPlay(const std::string& path);

    SoundOutput output_;
    std::unordered_map<std::string, std::optional<WaveSamples>> sounds_;
    const WaveSamples* open_ = nullptr;  // what the device holds
    std::string openPath_;
    bool soundOn_ = true;
    int volume_ = 100;
    int audioOutput_ = -1;  // unknown until the first sound: -1, then 0 or 1
    std::function<void()> beforeModal_;
    // Each sound started, with the time (KARARION_SOUND_LOG names the file):
    // the sound test hears the output and checks it against this.
    std::FILE* playLog_ = nullptr;
};

}  // namespace kararion::ui
