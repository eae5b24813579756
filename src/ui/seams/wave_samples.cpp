#include "ui/seams/wave_samples.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace kararion::ui {
namespace {

struct PcmFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::uint32_t U32(const char* at) { return qFromLittleEndian<quint32>(at); }
std::uint16_t U16(const char* at) { return qFromLittleEndian<quint16>(at); }

// One frame's channels mixed to one 16-bit sample.
double Frame(const char* at, const PcmFormat& format) {
    double sum = 0;
    for (int c = 0; c < format.channels; ++c) {
        if (format.bits == 16) {
            sum += static_cast<qint16>(U16(at + std::ptrdiff_t{2} * c));
        } else {
            sum += (static_cast<unsigned char>(at[c]) - 128) * 256;
        }
    }
    return sum / format.channels;
}

}  // namespace

std::optional<WaveSamples> DecodeWave(const QByteArray& bytes) {
    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return std::nullopt;
    PcmFormat format;
    const char* samples = nullptr;
    qsizetype sampleBytes = 0;
    for (qsizetype at = 12; at + 8 <= size;) {
        const qsizetype length = U32(data + at + 4);
        const char* body = data + at + 8;
        const qsizetype room = size - at - 8;
        if (std::memcmp(data + at, "fmt ", 4) == 0) {
            if (length < 16 || room < 16 || U16(body) != 1) return std::nullopt;  // PCM only
            format = {.channels = U16(body + 2), .rate = static_cast<int>(U32(body + 4)), .bits = U16(body + 14)};
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            samples = body;
            sampleBytes = std::min(length, room);
        }
        at += 8 + length + (length % 2);  // chunks are padded to even sizes
    }
    if (samples == nullptr || format.channels < 1 || format.channels > 2 || format.rate < 1000 ||
        format.rate > 192000 || (format.bits != 8 && format.bits != 16))
        return std::nullopt;
    const int frameBytes = format.channels * format.bits / 8;
    const qsizetype frames = sampleBytes / frameBytes;
    // Brought to the output's rate by straight lines between the frames.
    const auto count = static_cast<std::size_t>(frames * kOutputRate / format.rate);
    WaveSamples out(count);
    const double step = static_cast<double>(format.rate) / kOutputRate;
    for (std::size_t i = 0; i < count; ++i) {
        const double position = static_cast<double>(i) * step;
        const auto left = static_cast<qsizetype>(position);
        const qsizetype right = std::min(left + 1, frames - 1);
        const double part = position - static_cast<double>(left);
        const double value = Frame(samples + left * frameBytes, format) * (1 - part) +
                             Frame(samples + right * frameBytes, format) * part;
        out[i] = static_cast<std::int16_t>(std::clamp(std::lround(value), -32768L, 32767L));
    }
    return out;
}

}  // namespace kararion::ui
