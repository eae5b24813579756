#pragma once
// The player's view and sound: the zoom, the sound on or off and its volume,
// remembered from one session to the next in the desktop's settings folder.
// The zoom steps offered are those at which the whole group fits the screen
// it is on.
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace kararion::ui {

class ViewPreferences {
public:
    // The three game windows, whose sizes at each step decide the steps
    // offered; they belong to their owner and outlive the preferences.
    ViewPreferences(const QWidget* info, const QWidget* main, const QWidget* menu);

    // What was remembered, read at the start; without settings to read, the
    // defaults. The zoom is set (the windows are not yet drawn at it), the
    // sound and its volume are switched so.
    void Load();

    // The zoom steps (percent) at which the whole group fits the screen.
    std::vector<int> ZoomChoices() const;
    // The largest step that keeps the group within half the screen's width, never below 100%.
    int DefaultZoom() const;
    // The player's own step from now on, remembered.
    void ChooseZoom(int percent);
    // The player's own step where the screen has room for it, else the largest below it that does.
    int FittingZoom() const;
    // The next step up (+1) or down (-1) among the choices from where the
    // zoom stands, even at a step the screen no longer has room for; none
    // past the last.
    std::optional<int> NextZoom(int direction) const;

    bool SoundOn() const { return soundOn_; }
    // In the sound device alone: the rules ask for every sound either way. Remembered.
    void SetSoundOn(bool on);
    void SetSoundSwitch(std::function<void(bool)> soundSwitch) { soundSwitch_ = std::move(soundSwitch); }
    int Volume() const { return volume_; }
    // To the nearest step within 0 to 100%; remembered. The sound stays on
    // or off as it was.
    void SetVolume(int percent);
    void SetVolumeSwitch(std::function<void(int)> volumeSwitch) { volumeSwitch_ = std::move(volumeSwitch); }

private:
    const QWidget* info_;
    const QWidget* main_;
    const QWidget* menu_;
    int wantedZoom_ = 100;  // the player's own step, remembered
    bool soundOn_ = true;
    std::function<void(bool)> soundSwitch_;
    int volume_ = 100;
    std::function<void(int)> volumeSwitch_;
};

}  // namespace kararion::ui
