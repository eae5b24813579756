#include "ui/group/real_game.h"

#include <QTimer>

#include "sound/sound_names.h"
#include "sound/sounds.h"
#include "ui/windows/main_window.h"

namespace kararion::ui {

RealGame::RealGame(std::string programDir) : game_(effects_, timers_, std::move(programDir)), windows_(game_) {
    timers_.SetAfterTick([this] { windows_.RefreshAll(); });
    effects_.SetBeforeModal([this] { windows_.Redraw(); });
    windows_.SetSoundSwitch([this](bool on) { effects_.SetSoundOn(on); });
    windows_.SetVolumeSwitch([this](int percent) { effects_.SetVolume(percent); });
}

void RealGame::Start() {
    windows_.Start();
    // Opening the audio device takes a while; the player looks at the windows
    // first and bets a moment later.
    QTimer::singleShot(300, windows_.mainWindow(), [this] {
        std::vector<std::string> files;
        files.reserve(sound::kSounds.size());
        for (const sound::SoundFileName& s : sound::kSounds)
            files.push_back(sound::SoundFile(game_.programDir(), s.sound));
        effects_.Preload(files);
    });
}

}  // namespace kararion::ui
