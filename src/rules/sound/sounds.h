#pragma once
#include <string>
#include <vector>

#include "core/ground.h"
#include "sound/sound_names.h"

namespace kararion::sound {

// Plays one of the six sounds; whatever plays is cut off first. Never blocks, never fails.
void PlaySound(Ground& g, Sound sound);

// The wave file of a sound beside a program living in `programDir`.
std::string SoundFile(const std::string& programDir, Sound sound);

// The six wave files by name alone, as they lie in data/se.
std::vector<std::string> WaveFileNames();

}  // namespace kararion::sound
