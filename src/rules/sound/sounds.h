#pragma once
#include <string>
#include <vector>

#include "core/game.h"

namespace kararion::sound {

// Plays one of the six sounds of sound_names.h by its name (exact,
// case-sensitive). Whatever plays is cut off first, also for a name
// that is not one of these, which then plays nothing. Never blocks, never fails.
void PlaySound(Game& g, const std::string& name);

// The wave file of a sound name, or "" for a name that is not one of the six.
std::string SoundFile(const Game& g, const std::string& name);

// The six wave files by name alone, as they lie in data/se.
std::vector<std::string> WaveFileNames();

}  // namespace kararion::sound
