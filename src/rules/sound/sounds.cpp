#include "sound/sounds.h"

namespace kararion::sound {

std::string SoundFile(const std::string& programDir, Sound sound) {
    for (const SoundFileName& s : kSounds) {
        if (s.sound == sound) return programDir + "/data/se/" + s.file;
    }
    return {};
}

std::vector<std::string> WaveFileNames() {
    std::vector<std::string> files;
    files.reserve(kSounds.size());
    for (const SoundFileName& s : kSounds) files.emplace_back(s.file);
    return files;
}

void PlaySound(Ground& g, Sound sound) {
    g.fx.SoundCloseAll();
    const std::string path = SoundFile(g.programDir, sound);
    g.fx.SoundOpen(path);
    g.fx.SoundPlay(path);
}

}  // namespace kararion::sound
