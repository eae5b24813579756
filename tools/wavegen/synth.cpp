#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string_view>
#include <system_error>
#include <utility>

#include "sound/sound_names.h"

namespace wavegen {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Partials above this are left out so that no oscillator aliases.
constexpr double kHighestPartial = 16000.0;

using Buffer = std::vector<double>;

Buffer MakeBuffer(double seconds) { return Buffer(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0); }

std::size_t ToIndex(double seconds) {
    return static_cast<std::size_t>(std::max(0L, std::lround(seconds * kSampleRate)));
}

double MidiToHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// One pitched voice: an additive oscillator whose pitch glides exponentially
// from `startHz` to `endHz` over `glide` seconds, shaped by a linear attack,
// an exponential decay and a raised-cosine release over its last moments.
struct Voice {
    double start = 0.0;   // seconds into the sound
    double length = 0.1;  // seconds, release included
    double startHz = 440.0;
    double endHz = 440.0;
    double glide = 0.0;                 // 0: hold startHz
    std::vector<double> partials{1.0};  // amplitude of harmonic 1, 2, 3...
    double gain = 1.0;
    double attack = 0.005;
    double decay = 0.0;  // time constant in seconds; 0: no decay
    double release = 0.02;
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;    // fraction of the pitch
    double tremoloStartHz = 0.0;  // amplitude wobble, gliding like the pitch
    double tremoloEndHz = 0.0;
    double tremoloDepth = 0.0;
};

double Envelope(double t, double length, double attack, double decay, double release) {
    double env = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    if (decay > 0.0 && t > attack) env *= std::exp(-(t - attack) / decay);
    const double left = length - t;
    if (release > 0.0 && left < release) {
        env *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, left) / release);
    }
    return env;
}

double Glide(double from, double to, double glide, double t) {
    if (glide <= 0.0 || from == to) return from;
    const double x = std::min(1.0, t / glide);
    return from * std::pow(to / from, x);
}

void AddVoice(Buffer& out, const Voice& v) {
    const std::size_t first = ToIndex(v.start);
    const std::size_t count = ToIndex(v.length);
    double phase = 0.0;
    double tremoloPhase = 0.0;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double hz = Glide(v.startHz, v.endHz, v.glide, t);
        if (v.vibratoDepth > 0.0) {
            // Vibrato fades in, as a player's would.
            const double depth = v.vibratoDepth * std::min(1.0, t / 0.25);
            hz *= 1.0 + depth * std::sin(kTwoPi * v.vibratoHz * t);
        }
        double sample = 0.0;
        for (std::size_t h = 0; h < v.partials.size(); ++h) {
            const double n = static_cast<double>(h + 1);
            if (hz * n > kHighestPartial) break;
            sample += v.partials[h] * std::sin(phase * n);
        }
        double amp = v.gain * Envelope(t, v.length, v.attack, v.decay, v.release);
        if (v.tremoloDepth > 0.0) {
            amp *= 1.0 - v.tremoloDepth * (0.5 + 0.5 * std::sin(tremoloPhase));
            tremoloPhase += kTwoPi * Glide(v.tremoloStartHz, v.tremoloEndHz, v.glide, t) / kSampleRate;
        }
        out[first + i] += amp * sample;
        phase = std::fmod(phase + kTwoPi * hz / kSampleRate, kTwoPi);
    }
}

// Deterministic white noise, so that every build writes the same files.
class Noise {
public:
    double Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    std::uint64_t state_ = 0x4b61726172696f6eULL;
};

// One-pole low-pass coefficient for a cut-off frequency.
double LowPassCoefficient(double hz) { return 1.0 - std::exp(-kTwoPi * hz / kSampleRate); }

// Partial sets for the timbres used below.
const std::vector<double> kHollowSquare{1.0, 0.0, 0.33, 0.0, 0.18, 0.0, 0.1};
const std::vector<double> kSquare{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14, 0.0, 0.11, 0.0, 0.09};
const std::vector<double> kBrass{1.0, 0.55, 0.35, 0.22, 0.14, 0.09, 0.05};
const std::vector<double> kSaw{1.0, 0.5, 0.33, 0.25, 0.2, 0.17, 0.14, 0.12, 0.11, 0.1, 0.09, 0.08};

// Scales the sound to `peakDb` dBFS (never above -3 dBFS), fades its very
// edges so that it starts and ends on silence, and quantises it.
Wave Finish(Buffer buffer, double peakDb, double edgeFade = 0.002) {
    const std::size_t n = buffer.size();
    const std::size_t fade = std::min(n / 2, ToIndex(edgeFade));
    for (std::size_t i = 0; i < fade; ++i) {
        const double g = 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(fade));
        buffer[i] *= g;
        buffer[n - 1 - i] *= g;
    }
    double peak = 0.0;
    for (double s : buffer) peak = std::max(peak, std::abs(s));
    const double target = std::min(kPeakLevel, std::pow(10.0, peakDb / 20.0));
    const double scale = peak > 0.0 ? target / peak : 0.0;

    Wave wave;
    wave.samples.reserve(n);
    for (double s : buffer) {
        const long q = std::lround(s * scale * 32767.0);
        wave.samples.push_back(static_cast<std::int16_t>(std::clamp(q, -32767L, 32767L)));
    }
    return wave;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xff));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// The two bet blips differ only in where the pitch glides from and to.
Wave MakeBetTone(double startHz, double endHz) {
    Buffer b = MakeBuffer(0.12);
    Voice v;
    v.length = 0.12;
    v.startHz = startHz;
    v.endHz = endHz;
    v.glide = 0.08;
    v.partials = kHollowSquare;
    v.attack = 0.004;
    v.decay = 0.07;
    v.release = 0.03;
    AddVoice(b, v);
    // A quiet fifth above gives the blip a little shine.
    v.startHz *= 1.5;
    v.endHz *= 1.5;
    v.partials = {1.0};
    v.gain = 0.25;
    AddVoice(b, v);
    return Finish(std::move(b), -6.0);
}

}  // namespace

Wave MakeBetUp() { return MakeBetTone(660.0, 1320.0); }
Wave MakeBetDown() { return MakeBetTone(1100.0, 550.0); }

Wave MakeAtari() {
    constexpr double kLength = 1.35;
    Buffer b = MakeBuffer(kLength);
    // A quick C major arpeggio running up two octaves...
    const int run[] = {72, 76, 79, 84, 88, 91};
    constexpr double kStep = 0.065;
    for (std::size_t i = 0; i < std::size(run); ++i) {
        Voice v;
        v.start = kStep * static_cast<double>(i);
        v.length = 0.16;
        v.startHz = v.endHz = MidiToHz(run[i]);
        v.partials = kHollowSquare;
        v.attack = 0.004;
        v.decay = 0.09;
        v.release = 0.04;
        v.gain = 0.55;
        AddVoice(b, v);
    }
    // ...a short pickup, then a held fanfare chord with vibrato.
    constexpr double kPickup = 0.43;
    for (int note : {79, 91}) {
        Voice v;
        v.start = kPickup;
        v.length = 0.11;
        v.startHz = v.endHz = MidiToHz(note);
        v.partials = kBrass;
        v.attack = 0.008;
        v.release = 0.03;
        v.gain = note == 79 ? 0.5 : 0.25;
        AddVoice(b, v);
    }
    constexpr double kChord = 0.55;
    const int chord[] = {60, 72, 76, 79, 84};
    const double chordGain[] = {0.35, 0.45, 0.35, 0.35, 0.3};
    for (std::size_t i = 0; i < std::size(chord); ++i) {
        Voice v;
        v.start = kChord;
        v.length = kLength - kChord;
        v.startHz = v.endHz = MidiToHz(chord[i]);
        v.partials = kBrass;
        v.attack = 0.015;
        v.decay = 0.6;
        v.release = 0.25;
        v.vibratoHz = 5.5;
        v.vibratoDepth = 0.004;
        v.gain = chordGain[i];
        AddVoice(b, v);
    }
    // A bell on top of the chord.
    Voice bell;
    bell.start = kChord;
    bell.length = 0.6;
    bell.startHz = bell.endHz = MidiToHz(96);
    bell.attack = 0.002;
    bell.decay = 0.15;
    bell.release = 0.1;
    bell.gain = 0.2;
    AddVoice(b, bell);
    return Finish(std::move(b), -3.0);
}

Wave MakeRound() {
    constexpr double kLength = 0.5;
    Buffer b = MakeBuffer(kLength);
    Voice v;
    v.length = kLength;
    v.startHz = 90.0;
    v.endHz = 360.0;
    v.glide = kLength;
    v.partials = kSaw;
    v.attack = 0.05;
    v.release = 0.08;
    v.tremoloStartHz = 14.0;
    v.tremoloEndHz = 42.0;
    v.tremoloDepth = 0.6;
    AddVoice(b, v);
    v.startHz *= 2.005;  // a slightly detuned octave thickens the whirr
    v.endHz *= 2.005;
    v.partials = {1.0, 0.3};
    v.gain = 0.3;
    AddVoice(b, v);

    // Air rushing past the reels: noise whose brightness follows the pitch.
    Noise noise;
    double low = 0.0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        low += LowPassCoefficient(Glide(400.0, 3000.0, kLength, t)) * (noise.Next() - low);
        b[i] += 0.5 * low * Envelope(t, kLength, 0.15, 0.0, 0.1);
    }
    return Finish(std::move(b), -4.5);
}

Wave MakeStop() {
    constexpr double kLength = 0.1;
    Buffer b = MakeBuffer(kLength);
    // The latch: a thump that drops in pitch...
    Voice thump;
    thump.length = kLength;
    thump.startHz = 170.0;
    thump.endHz = 70.0;
    thump.glide = 0.04;
    thump.partials = {1.0, 0.2};
    thump.attack = 0.001;
    thump.decay = 0.025;
    thump.release = 0.02;
    thump.gain = 0.9;
    AddVoice(b, thump);
    // ...a short metallic ring...
    Voice ring;
    ring.length = 0.05;
    ring.startHz = ring.endHz = 2350.0;
    ring.partials = {1.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    ring.attack = 0.0005;
    ring.decay = 0.008;
    ring.release = 0.01;
    ring.gain = 0.3;
    AddVoice(b, ring);
    ring.startHz = ring.endHz = 3710.0;
    ring.gain = 0.15;
    AddVoice(b, ring);
    // ...and the click of the catch itself: high-passed noise, gone in a few ms.
    Noise noise;
    double low = 0.0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double n = noise.Next();
        low += LowPassCoefficient(1500.0) * (n - low);
        b[i] += 0.9 * (n - low) * Envelope(t, kLength, 0.0003, 0.004, 0.02);
    }
    return Finish(std::move(b), -3.0, 0.0005);
}

Wave MakeError() {
    Buffer b = MakeBuffer(0.4);
    struct Buzz {
        double start, length, hz;
    };
    for (const Buzz& buzz : {Buzz{0.0, 0.16, 147.0}, Buzz{0.21, 0.19, 123.5}}) {
        Voice v;
        v.start = buzz.start;
        v.length = buzz.length;
        v.startHz = v.endHz = buzz.hz;
        v.partials = kSquare;
        v.attack = 0.008;
        v.decay = 0.4;
        v.release = 0.03;
        AddVoice(b, v);
        v.startHz = v.endHz = buzz.hz * 1.012;  // beating against the first: a buzz
        v.gain = 0.6;
        AddVoice(b, v);
    }
    return Finish(std::move(b), -6.0);  // square buzzes sound loud for their peak
}

std::vector<NamedWave> AllSounds() {
    // What each of the game's sounds is made of, by the name the game plays it by.
    static const std::pair<std::string_view, Wave (*)()> kMakers[] = {
        {"BetUp", MakeBetUp},     {"BetDown", MakeBetDown}, {"Atari", MakeAtari},
        {"LineRound", MakeRound}, {"LineStop", MakeStop},   {"Error", MakeError},
    };
    std::vector<NamedWave> all;
    for (const kararion::sound::SoundFileName& sound : kararion::sound::kSounds) {
        for (const auto& [name, make] : kMakers)
            if (name == sound.name) all.push_back({sound.file, make()});
    }
    return all;
}

std::vector<std::uint8_t> EncodeWav(const Wave& wave) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBits = 16;
    constexpr std::uint32_t kBlockAlign = kChannels * kBits / 8;
    const auto rate = static_cast<std::uint32_t>(wave.sampleRate);
    const auto dataSize = static_cast<std::uint32_t>(wave.samples.size() * kBlockAlign);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, kChannels);
    PutU32(out, rate);
    PutU32(out, rate * kBlockAlign);
    PutU16(out, kBlockAlign);
    PutU16(out, kBits);
    PutTag(out, "data");
    PutU32(out, dataSize);
    for (std::int16_t s : wave.samples) PutU16(out, static_cast<std::uint16_t>(s));
    return out;
}

bool WriteAll(const std::filesystem::path& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = folder.string() + ": " + ec.message();
        return false;
    }
    for (const NamedWave& sound : AllSounds()) {
        const std::filesystem::path path = folder / sound.fileName;
        const std::vector<std::uint8_t> bytes = EncodeWav(sound.wave);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            error = path.string() + ": cannot write";
            return false;
        }
    }
    return true;
}

}  // namespace wavegen
