#pragma once
// The game's six sounds: the name the rules play each by, and its wave file in
// data/se. The one list of them: the player, the preloading, the sound
// generator and the install all read it.
#include <array>

namespace kararion::sound {

struct Sound {
    const char* name;
    const char* file;
};

inline constexpr std::array<Sound, 6> kSounds{{
    {"BetUp", "betup.wav"},
    {"BetDown", "betdown.wav"},
    {"Atari", "atari.wav"},
    {"LineRound", "round.wav"},
    {"LineStop", "stop.wav"},
    {"Error", "error.wav"},
}};

}  // namespace kararion::sound
