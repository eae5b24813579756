#pragma once
// A wave file's sound as the one output plays it: 16-bit mono samples at the
// output's rate. Our sounds are plain PCM waves; anything else is no sound.
#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace kararion::ui {

inline constexpr int kOutputRate = 44100;

using WaveSamples = std::vector<std::int16_t>;

// The samples of a RIFF/WAVE file's bytes: 8- or 16-bit PCM, mono or stereo
// (mixed down), at any rate (brought to kOutputRate); nothing for anything else.
std::optional<WaveSamples> DecodeWave(const QByteArray& bytes);

}  // namespace kararion::ui
