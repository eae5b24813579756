#pragma once
// The game's one audio output, opened once and kept for the game's whole
// life: it plays one decoded sound at a time, from its beginning, and a new
// sound cuts the one playing. Between sounds it feeds silence for a moment,
// then rests (the stream corked, no timer running) until the next sound.
//
// Qt's sound effect object, stopped and played again, fell silent for good
// after a few dozen plays on PulseAudio; one stream that is never torn down
// and never runs dry has nothing to fall out of step with. It is fed from a
// thread of its own, so that a busy moment of the windows never leaves the
// stream without samples.
#include <QThread>
#include <memory>

#include "ui/seams/wave_samples.h"

namespace kararion::ui {

class SoundOutput {
public:
    SoundOutput();
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Opens the output on the desktop's default device, once; false when
    // there is none to open.
    bool Open();
    // From its first sample, cutting whatever plays. The samples must
    // outlive the output (the effects keep every decoded sound).
    void Play(const WaveSamples* sound);
    // Cuts whatever plays.
    void Stop();
    // The gain applied to every sample from now on, 0 (silent) to 1.
    void SetGain(double gain);

private:
    class Feed;
    QThread thread_;
    std::unique_ptr<Feed> feed_;  // lives in thread_
    int gain_ = 1 << 16;          // fixed point, 16 bits of fraction
};

}  // namespace kararion::ui
