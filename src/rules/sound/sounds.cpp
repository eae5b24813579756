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

void PlaySound(Ground& g, Sound sound) { g.PlaySoundFile(SoundFile(g.programDir(), sound)); }

}  // namespace kararion::sound
