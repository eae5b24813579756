#pragma once
// The rules' effects on a desktop: the alert beep, a modal message box, and a
// sound device that holds one wave file at a time.
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/effects.h"

class QSoundEffect;

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

    // Decodes the given wave files ahead of their first use, so that the first
    // bet is heard as promptly as the hundredth.
    void Preload(const std::vector<std::string>& paths);

private:
    // The prepared sound of a file, or nullptr when there is nothing to play
    // (no path, no regular file we may read, no audio output).
    QSoundEffect* Prepare(const std::string& path);
    bool HaveAudioOutput();

    std::unordered_map<std::string, std::unique_ptr<QSoundEffect>> sounds_;
    QSoundEffect* open_ = nullptr;  // what the device holds
    std::string openPath_;
    bool soundOn_ = true;
    int audioOutput_ = -1;  // unknown until the first sound: -1, then 0 or 1
    std::function<void()> beforeModal_;
};

}  // namespace kararion::ui
