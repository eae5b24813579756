// Finds in a recording of the sound server's output every sound the game
// started, as its own log tells them (tools/sound_session.sh makes both).
//
//   sound_check RECORDING START_MS LOG SOUND_FOLDER
//
// RECORDING is raw 16-bit mono at 44.1 kHz, begun at START_MS on the
// monotonic clock that the log's times are read from. A sound counts as heard
// when the recording, within a second after its start and after the sound
// before it, matches its first 90 ms; only sounds left playing 100 ms
// before the next one cut them off are counted. A game begins at the first
// bet after the reels were started. It fails when fewer than eight games
// were played, when a game lost more than one sound, or when any game after
// the third lost one.
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/seams/wave_samples.h"

namespace {

using kararion::ui::kOutputRate;

// Compared at a quarter of the rate: the match does not need the highs, and it is sixteen times cheaper.
constexpr int kDecimate = 4;
constexpr double kRate = static_cast<double>(kOutputRate) / kDecimate;
constexpr double kTemplateMs = 90;
constexpr double kRoomMs = 100;     // what a sound needs before the next cuts it off
constexpr double kSearchMs = 1000;  // how late after its request a sound may begin
constexpr double kEarlyMs = 250;    // how much sooner than the reels' sound a sound may be delayed
constexpr double kAlignMs = 1500;   // how far the recording's clock may be off at first
constexpr double kApartMs = 50;     // two sounds found no closer than this
constexpr double kMatch = 0.7;      // correlation that counts as the sound itself

// Averages of kDecimate samples from `phase` on.
std::vector<double> Reduce(const std::vector<std::int16_t>& samples, std::size_t phase = 0) {
    std::vector<double> out(samples.size() > phase ? (samples.size() - phase) / kDecimate : 0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double sum = 0;
        for (int k = 0; k < kDecimate; ++k) sum += samples[phase + i * kDecimate + k];
        out[i] = sum / kDecimate;
    }
    return out;
}

// Normalised correlation of `pattern` with `signal` from `at`, given the
// pattern's energy and the signal's over the same span; 0 where the signal is
// silent (or nearly: 40 dB below the pattern).
double Correlation(const std::vector<double>& signal, std::size_t at, const std::vector<double>& pattern, double own,
                   double energy) {
    if (energy < own * 1e-4) return 0;
    double cross = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) cross += signal[at + i] * pattern[i];
    return cross / std::sqrt(energy * own);
}

struct Peak {
    std::size_t at = 0;
    double match = 0;
};

// The first place in [from, to] where `pattern` matches at least kMatch, at
// the top of that match; else the best match there.
Peak FirstPeak(const std::vector<double>& signal, std::size_t from, std::size_t to,
               const std::vector<double>& pattern) {
    Peak best;
    if (pattern.empty() || from + pattern.size() > signal.size()) return best;
    to = std::min(to, signal.size() - pattern.size());
    double own = 0;
    for (double v : pattern) own += v * v;
    double energy = 0;  // the signal's over [at, at + pattern), slid along
    for (std::size_t k = 0; k < pattern.size(); ++k) energy += signal[from + k] * signal[from + k];
    bool rising = false;
    for (std::size_t at = from; at <= to; ++at) {
        const double match = Correlation(signal, at, pattern, own, energy);
        if (rising && match < best.match) return best;  // past the top of the first match
        if (match > best.match) best = {at, match};
        rising = best.match >= kMatch;
        if (at + pattern.size() < signal.size()) {
            energy += signal[at + pattern.size()] * signal[at + pattern.size()] - signal[at] * signal[at];
            energy = std::max(energy, 0.0);
        }
    }
    return best;
}

struct Request {
    double ms = 0;  // since the recording began
    std::string file;
    bool checked = false;
    double bestLagMs = 0;
    double bestMatch = 0;
    bool heard = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: sound_check RECORDING START_MS LOG SOUND_FOLDER\n");
        return 2;
    }
    QFile raw(QString::fromLocal8Bit(argv[1]));
    if (!raw.open(QIODevice::ReadOnly)) return 2;
    const QByteArray bytes = raw.readAll();
    std::vector<std::int16_t> recorded(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(recorded.data(), bytes.constData(), recorded.size() * 2);
    const std::vector<double> signal = Reduce(recorded);
    const double startMs = std::stod(argv[2]);

    std::vector<Request> requests;
    QFile log(QString::fromLocal8Bit(argv[3]));
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text)) return 2;
    QTextStream lines(&log);
    while (!lines.atEnd()) {
        const QStringList words = lines.readLine().split(QLatin1Char(' '));
        if (words.size() == 2)
            requests.push_back({.ms = words[0].toDouble() - startMs, .file = words[1].toStdString()});
    }

    // Each sound at every phase of the averaging: the recording's phase is anyone's guess.
    std::map<std::string, std::vector<std::vector<double>>> patterns;
    for (const Request& r : requests) {
        if (patterns.count(r.file) != 0) continue;
        QFile wave(QString::fromLocal8Bit(argv[4]) + QLatin1Char('/') + QString::fromStdString(r.file));
        if (!wave.open(QIODevice::ReadOnly)) return 2;
        const auto samples = kararion::ui::DecodeWave(wave.readAll());
        if (!samples) return 2;
        for (std::size_t phase = 0; phase < kDecimate; ++phase) {
            std::vector<double> pattern = Reduce(*samples, phase);
            pattern.resize(std::min(pattern.size(), static_cast<std::size_t>(kTemplateMs * kRate / 1000)));
            patterns[r.file].push_back(pattern);
        }
    }

    // Each sound at its first place that matches, in the order asked: the
    // output delays them by its buffer, more or less, but never reorders them,
    // and one sound in the recording answers one request only.
    std::vector<double> lags;
    // Where the recording stands against the log: START_MS is only as good as
    // the recorder's first write. The reels' sound comes once a game, seconds
    // apart, so it is found without doubt; its median delay sets the clock.
    std::vector<double> roundLags;
    for (const Request& r : requests) {
        if (r.file != "round.wav" || r.ms < kAlignMs) continue;
        const auto from = static_cast<std::size_t>((r.ms - kAlignMs) * kRate / 1000);
        const auto to = static_cast<std::size_t>((r.ms + kAlignMs) * kRate / 1000);
        for (const std::vector<double>& pattern : patterns[r.file]) {
            const Peak peak = FirstPeak(signal, from, to, pattern);
            if (peak.match >= kMatch) {
                roundLags.push_back(static_cast<double>(peak.at) * 1000 / kRate - r.ms);
                break;
            }
        }
    }
    double shift = 0;
    if (!roundLags.empty()) {
        std::sort(roundLags.begin(), roundLags.end());
        shift = roundLags[roundLags.size() / 2];
    }
    for (Request& r : requests) r.ms += shift;

    double taken = -kSearchMs;  // where the last sound found begins, ms into the recording
    for (std::size_t i = 0; i < requests.size(); ++i) {
        Request& r = requests[i];
        const double room = i + 1 < requests.size() ? requests[i + 1].ms - r.ms : kSearchMs;
        r.checked = room >= kRoomMs && r.ms >= 0;
        // A sound cut off sooner may have left too little to know it by; it
        // is not looked for, lest it take a later one's place.
        if (!r.checked) continue;
        const double fromMs = std::max({0.0, r.ms - kEarlyMs, taken + kApartMs});
        const auto from = static_cast<std::size_t>(fromMs * kRate / 1000);
        const auto to = static_cast<std::size_t>((r.ms + kSearchMs) * kRate / 1000);
        std::optional<Peak> found;
        for (const std::vector<double>& pattern : patterns[r.file]) {
            const Peak peak = FirstPeak(signal, from, to, pattern);
            r.bestMatch = std::max(r.bestMatch, peak.match);
            if (peak.match >= kMatch && (!found || peak.at < found->at)) found = peak;
        }
        if (!found) continue;
        r.heard = true;
        r.bestLagMs = static_cast<double>(found->at) * 1000 / kRate - r.ms;
        taken = r.ms + r.bestLagMs;
        lags.push_back(r.bestLagMs);
    }
    std::sort(lags.begin(), lags.end());

    // Per game: heard of checked.
    struct Game {
        int asked = 0;
        int checked = 0;
        int heard = 0;
        std::string missed;
    };
    std::vector<Game> games;
    bool spun = false;  // the reels of the current game have been started
    for (const Request& r : requests) {
        const bool bet = r.file == "betup.wav" || r.file == "betdown.wav";
        if (games.empty() || (bet && spun)) {
            games.emplace_back();
            spun = false;
        }
        spun = spun || r.file == "round.wav";
        Game& g = games.back();
        ++g.asked;
        if (!r.checked) continue;
        ++g.checked;
        if (r.heard) {
            ++g.heard;
        } else {
            char note[96];
            std::snprintf(note, sizeof note, " %s(%.2f at %.0f ms)", r.file.c_str(), r.bestMatch, r.bestLagMs);
            g.missed += note;
        }
    }
    if (!lags.empty()) {
        std::printf("clock set by %.0f ms; delays %.0f to %.0f ms beside the reels' sound; ", shift, lags.front(),
                    lags.back());
    }
    std::printf("recording %.1f s\n", static_cast<double>(recorded.size()) / kOutputRate);
    bool ok = games.size() >= 8;
    for (std::size_t n = 0; n < games.size(); ++n) {
        const Game& g = games[n];
        const int missed = g.checked - g.heard;
        std::printf("game %2zu: %d of %d sounds heard (%d asked)%s\n", n + 1, g.heard, g.checked, g.asked,
                    g.missed.c_str());
        if (missed > 1 || (n >= 3 && missed > 0)) ok = false;
    }
    if (games.size() < 8) std::printf("only %zu games\n", games.size());
    std::printf("%s\n", ok ? "every sound heard" : "sounds missing");
    return ok ? 0 : 1;
}
