#include "sound/sounds.h"

#include <array>
#include <utility>

namespace kararion::sound {
namespace {

constexpr std::array<std::pair<const char*, const char*>, 6> kSounds{{
    {"BetUp", "betup.wav"},
    {"BetDown", "betdown.wav"},
    {"Atari", "atari.wav"},
    {"LineRound", "round.wav"},
    {"LineStop", "stop.wav"},
    {"Error", "error.wav"},
}};

}  // namespace

std::string SoundFile(const Game& g, const std::string& name) {
    for (const auto& [soundName, file] : kSounds) {
        if (name == soundName) return g.programDir + "/data/se/" + file;
    }
    return {};
}

std::vector<std::string> WaveFileNames() {
    std::vector<std::string> files;
    files.reserve(kSounds.size());
    for (const auto& sound : kSounds) files.emplace_back(sound.second);
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
