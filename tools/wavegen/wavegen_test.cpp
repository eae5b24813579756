#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "synth.h"

namespace {

using wavegen::Wave;

// An independent reader for the canonical 44-byte PCM header, so that the
// encoder is checked against the format rather than against itself.
struct ParsedWav {
    std::string riff, wave, fmt, data;
    std::uint32_t riffSize = 0, fmtSize = 0, sampleRate = 0, byteRate = 0, dataSize = 0;
    std::uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | (b.at(at + 1) << 8));
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

std::string Tag(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

ParsedWav Parse(const std::vector<std::uint8_t>& b) {
    ParsedWav p;
    p.riff = Tag(b, 0);
    p.riffSize = U32(b, 4);
    p.wave = Tag(b, 8);
    p.fmt = Tag(b, 12);
    p.fmtSize = U32(b, 16);
    p.format = static_cast<std::uint16_t>(U16(b, 20));
    p.channels = static_cast<std::uint16_t>(U16(b, 22));
    p.sampleRate = U32(b, 24);
    p.byteRate = U32(b, 28);
    p.blockAlign = static_cast<std::uint16_t>(U16(b, 32));
    p.bits = static_cast<std::uint16_t>(U16(b, 34));
    p.data = Tag(b, 36);
    p.dataSize = U32(b, 40);
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) {
        p.samples.push_back(static_cast<std::int16_t>(U16(b, at)));
    }
    return p;
}

int Peak(const Wave& w) {
    int peak = 0;
    for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

double Rms(const Wave& w, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += double(w.samples[i]) * w.samples[i];
    return std::sqrt(sum / double(to - from)) / 32768.0;
}

int ZeroCrossings(const Wave& w, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if ((w.samples[i - 1] < 0) != (w.samples[i] < 0)) ++count;
    }
    return count;
}

// Normalised correlation over the common length: 1 for the same shape.
double Similarity(const Wave& a, const Wave& b) {
    const std::size_t n = std::min(a.samples.size(), b.samples.size());
    double ab = 0.0, aa = 0.0, bb = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += double(a.samples[i]) * b.samples[i];
        aa += double(a.samples[i]) * a.samples[i];
        bb += double(b.samples[i]) * b.samples[i];
    }
    return std::abs(ab) / std::sqrt(aa * bb);
}

std::map<std::string, Wave> SoundsByName() {
    std::map<std::string, Wave> byName;
    for (auto& sound : wavegen::AllSounds()) byName[sound.fileName] = sound.wave;
    return byName;
}

TEST(WaveEncoding, HeaderDescribesMono16BitPcmAndDataSizeMatches) {
    Wave w;
    w.sampleRate = 22050;
    w.samples = {0, 1, -1, 32767, -32768, 0x1234, -2};
    const std::vector<std::uint8_t> bytes = wavegen::EncodeWav(w);
    ASSERT_EQ(bytes.size(), 44u + 2u * w.samples.size());

    const ParsedWav p = Parse(bytes);
    EXPECT_EQ(p.riff, "RIFF");
    EXPECT_EQ(p.riffSize, bytes.size() - 8);
    EXPECT_EQ(p.wave, "WAVE");
    EXPECT_EQ(p.fmt, "fmt ");
    EXPECT_EQ(p.fmtSize, 16u);
    EXPECT_EQ(p.format, 1u);
    EXPECT_EQ(p.channels, 1u);
    EXPECT_EQ(p.sampleRate, 22050u);
    EXPECT_EQ(p.byteRate, 22050u * 2u);
    EXPECT_EQ(p.blockAlign, 2u);
    EXPECT_EQ(p.bits, 16u);
    EXPECT_EQ(p.data, "data");
    EXPECT_EQ(p.dataSize, 2u * w.samples.size());
    // Little-endian, two's complement, in order.
    EXPECT_EQ(p.samples, w.samples);
    EXPECT_EQ(bytes[44 + 2 * 5], 0x34);
    EXPECT_EQ(bytes[44 + 2 * 5 + 1], 0x12);
}

TEST(WaveEncoding, EmptyWaveIsAValidFileWithNoData) {
    const ParsedWav p = Parse(wavegen::EncodeWav(Wave{}));
    EXPECT_EQ(p.riffSize, 36u);
    EXPECT_EQ(p.dataSize, 0u);
    EXPECT_EQ(p.sampleRate, 44100u);
}

TEST(Sounds, TheSixFilesTheGameLooksForHaveTheirIntendedLengths) {
    const auto sounds = SoundsByName();
    ASSERT_EQ(sounds.size(), 6u);
    // Shortest and longest acceptable length of each, in seconds.
    const std::map<std::string, std::pair<double, double>> lengths{
        {"betup.wav", {0.08, 0.2}}, {"betdown.wav", {0.08, 0.2}}, {"atari.wav", {1.2, 1.5}},
        {"round.wav", {0.4, 0.65}}, {"stop.wav", {0.05, 0.15}},   {"error.wav", {0.3, 0.5}},
    };
    for (const auto& [name, range] : lengths) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(sounds.count(name));
        const Wave& w = sounds.at(name);
        EXPECT_EQ(w.sampleRate, wavegen::kSampleRate);
        EXPECT_GE(w.Seconds(), 0.05);
        EXPECT_LE(w.Seconds(), 2.0);
        EXPECT_GE(w.Seconds(), range.first);
        EXPECT_LE(w.Seconds(), range.second);
    }
}

TEST(Sounds, StayBelowFullScaleYetAreClearlyAudible) {
    const int ceiling = static_cast<int>(std::ceil(wavegen::kPeakLevel * 32767.0));
    for (const auto& [name, w] : SoundsByName()) {
        SCOPED_TRACE(name);
        const int peak = Peak(w);
        EXPECT_LE(peak, ceiling) << "closer to clipping than -3 dBFS";
        EXPECT_GE(peak, 32767 / 4) << "quieter than -12 dBFS";
        EXPECT_GT(Rms(w, 0, w.samples.size()), 0.03);
    }
}

TEST(Sounds, BeginAndEndOnSilenceSoThereIsNoClick) {
    for (const auto& [name, w] : SoundsByName()) {
        SCOPED_TRACE(name);
        ASSERT_GE(w.samples.size(), 2u);
        EXPECT_LE(std::abs(int(w.samples.front())), 64);
        EXPECT_LE(std::abs(int(w.samples.back())), 64);
        // The fade reaches silence smoothly: no jump at the last step either.
        const std::size_t n = w.samples.size();
        EXPECT_LE(std::abs(int(w.samples[n - 2])), 256);
    }
}

TEST(Sounds, AreDistinctFromEachOther) {
    const auto sounds = SoundsByName();
    for (auto a = sounds.begin(); a != sounds.end(); ++a) {
        for (auto b = std::next(a); b != sounds.end(); ++b) {
            SCOPED_TRACE(a->first + " vs " + b->first);
            EXPECT_NE(a->second.samples, b->second.samples);
            EXPECT_LT(Similarity(a->second, b->second), 0.5);
        }
    }
}

TEST(Sounds, BetBlipsRiseAndFallAndTheWinJingleRingsOut) {
    const auto sounds = SoundsByName();
    const auto firstAndLastThird = [](const Wave& w) {
        const std::size_t n = w.samples.size();
        return std::pair{ZeroCrossings(w, 0, n / 3), ZeroCrossings(w, 2 * n / 3, n)};
    };
    const auto [upStart, upEnd] = firstAndLastThird(sounds.at("betup.wav"));
    EXPECT_GT(upEnd, upStart * 5 / 4);
    const auto [downStart, downEnd] = firstAndLastThird(sounds.at("betdown.wav"));
    EXPECT_LT(downEnd * 5 / 4, downStart);

    // The jingle holds its chord: its second half is far from silent.
    const Wave& atari = sounds.at("atari.wav");
    const std::size_t n = atari.samples.size();
    EXPECT_GT(Rms(atari, n / 2, 3 * n / 4), 0.05);
}

TEST(Sounds, ErrorIsTwoSeparateTones) {
    const Wave w = SoundsByName().at("error.wav");
    const auto window = [&](double from, double to) {
        return Rms(w, static_cast<std::size_t>(from * w.sampleRate), static_cast<std::size_t>(to * w.sampleRate));
    };
    const double first = window(0.03, 0.13);
    const double gap = window(0.175, 0.195);
    const double second = window(0.24, 0.34);
    EXPECT_GT(first, 0.1);
    EXPECT_GT(second, 0.1);
    EXPECT_LT(gap, first / 20);
}

TEST(Sounds, SynthesisIsRepeatable) {
    const auto once = wavegen::AllSounds();
    const auto again = wavegen::AllSounds();
    ASSERT_EQ(once.size(), again.size());
    for (std::size_t i = 0; i < once.size(); ++i) {
        EXPECT_EQ(once[i].wave.samples, again[i].wave.samples) << once[i].fileName;
    }
}

class WriteAllTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("wavegen_test_" + std::string(info->name()) + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path dir_;
};

TEST_F(WriteAllTest, CreatesTheFolderAndWritesEveryFileAsEncoded) {
    std::string error;
    ASSERT_TRUE(wavegen::WriteAll(dir_ / "data" / "se", error)) << error;
    for (const auto& sound : wavegen::AllSounds()) {
        SCOPED_TRACE(sound.fileName);
        std::ifstream in(dir_ / "data" / "se" / sound.fileName, std::ios::binary);
        ASSERT_TRUE(in);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(bytes, wavegen::EncodeWav(sound.wave));
    }
}

TEST_F(WriteAllTest, ReportsAFolderThatCannotBeCreated) {
    std::filesystem::create_directories(dir_);
    std::ofstream(dir_ / "plain-file") << "x";
    std::string error;
    EXPECT_FALSE(wavegen::WriteAll(dir_ / "plain-file" / "se", error));
    EXPECT_NE(error.find("plain-file"), std::string::npos);
}

}  // namespace
