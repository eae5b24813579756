#pragma once
// The game's six sounds: each by the name the game knows it and its wave file
// in data/se. The one list of them: the player, the preloading, the sound
// generator and the install (CMake reads the file names from here) all use it.
#include <array>

namespace kararion::sound {

enum class Sound { BetUp, BetDown, Atari, LineRound, LineStop, Error };

struct SoundFileName {
    Sound sound;
    const char* name;
    const char* file;
};

inline constexpr std::array<SoundFileName, 6> kSounds{{
    {Sound::BetUp, "BetUp", "betup.wav"},
    {Sound::BetDown, "BetDown", "betdown.wav"},
    {Sound::Atari, "Atari", "atari.wav"},
    {Sound::LineRound, "LineRound", "round.wav"},
    {Sound::LineStop, "LineStop", "stop.wav"},
    {Sound::Error, "Error", "error.wav"},
}};

}  // namespace kararion::sound
