#include "support/harness.h"

#include <array>
#include <utility>

namespace kararion::testing {

std::string SoundNameOfPath(const std::string& path) {
    static constexpr std::array<std::pair<const char*, const char*>, 6> kFiles{{
        {"/data/se/betup.wav", "BetUp"},
        {"/data/se/betdown.wav", "BetDown"},
        {"/data/se/atari.wav", "Atari"},
        {"/data/se/round.wav", "LineRound"},
        {"/data/se/stop.wav", "LineStop"},
        {"/data/se/error.wav", "Error"},
    }};
    for (const auto& [suffix, name] : kFiles) {
        const std::string s = suffix;
        if (path.size() >= s.size() && path.compare(path.size() - s.size(), s.size(), s) == 0) return name;
    }
    return {};
}

std::vector<std::string> Machine::Sounds() const {
    std::vector<std::string> names;
    for (const std::string& path : fx.SoundsPlayed()) names.push_back(SoundNameOfPath(path));
    return names;
}

}  // namespace kararion::testing
