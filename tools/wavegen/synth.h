// Synthesis of the game's six sound effects and their encoding as wave files.
// The build runs the wavegen tool on these to write data/se; nothing here is
// used by the game itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace wavegen {

inline constexpr int kSampleRate = 44100;

// Every sound peaks at this level (-3 dBFS) so that no sample can clip.
inline constexpr double kPeakLevel = 0.7079457843841379;

struct Wave {
    int sampleRate = kSampleRate;
    std::vector<std::int16_t> samples;  // mono

    double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

struct NamedWave {
    std::string fileName;  // e.g. "betup.wav"
    Wave wave;
};

Wave MakeBetUp();    // short rising blip
Wave MakeBetDown();  // short falling blip
Wave MakeAtari();    // the win jingle: arpeggio into a held major chord
Wave MakeRound();    // the reels winding up: a whirring rising sweep
Wave MakeStop();     // a reel catching: a crisp mechanical clunk
Wave MakeError();    // two short low buzzes

// The six sounds under the file names the game looks for.
std::vector<NamedWave> AllSounds();

// A complete RIFF/WAVE file: PCM, 16-bit, mono, little-endian.
std::vector<std::uint8_t> EncodeWav(const Wave& wave);

// Writes every sound of AllSounds() into `folder`, creating it if needed.
// Returns false (with a message in `error`) when a file cannot be written.
bool WriteAll(const std::filesystem::path& folder, std::string& error);

}  // namespace wavegen
