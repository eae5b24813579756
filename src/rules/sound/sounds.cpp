#include "sound/sounds.h"

#include "sound/sound_names.h"

namespace kararion::sound {

std::string SoundFile(const Game& g, const std::string& name) {
    for (const Sound& sound : kSounds) {
        if (name == sound.name) return g.programDir + "/data/se/" + sound.file;
    }
    return {};
}

std::vector<std::string> WaveFileNames() {
    std::vector<std::string> files;
    files.reserve(kSounds.size());
    for (const Sound& sound : kSounds) files.emplace_back(sound.file);
    return files;
}

void PlaySound(Game& g, const std::string& name) {
    // Close first, whatever the name: even a name we do not know silences the
    // sound that was playing.
    g.fx.SoundCloseAll();
    const std::string path = SoundFile(g, name);
    g.fx.SoundOpen(path);
    g.fx.SoundPlay(path);
}

}  // namespace kararion::sound
