#include "ui/seams/sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace kararion::ui {
namespace {

// How much the output holds ahead: short, so that a new sound is heard
// promptly, yet long enough for a busy machine to come back to it in time.
// A whole number of the sink's 20 ms pulls, so that the stream fills up.
constexpr int kBufferMs = 160;
// Silence fed after a sound before the output rests: quick bets and stops
// follow each other without waking it again.
constexpr qint64 kSilenceBeforeRest = kOutputRate;  // one second

}  // namespace

// The output's side, in its own thread: the sink pulls samples from here.
// The windows' side only leaves a request (which sound, which gain) under
// the lock and wakes the thread.
class SoundOutput::Feed : public QIODevice {
public:
    bool isSequential() const override { return true; }
    // Never runs dry: after the sound comes silence until the output rests.
    qint64 bytesAvailable() const override {
        return qint64{sizeof(std::int16_t)} * kOutputRate + QIODevice::bytesAvailable();
    }

    // In the output's thread.
    bool Open(const QAudioDevice& device, const QAudioFormat& format) {
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(static_cast<qsizetype>(format.bytesForDuration(qint64{kBufferMs} * 1000)));
        rest_ = std::make_unique<QTimer>();
        rest_->setSingleShot(true);
        QObject::connect(rest_.get(), &QTimer::timeout, this, [this] { Rest(); });
        // Unbuffered: a buffered device reads 16 KiB ahead, and a new sound
        // would wait behind almost 200 ms of silence already taken.
        QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        silentSamples_ = kSilenceBeforeRest;  // nothing to play yet: rest at once
        sink_->start(this);
        return sink_->error() == QAudio::NoError;
    }
    void Wake() {
        rest_->stop();
        switch (sink_->state()) {
            case QAudio::SuspendedState: sink_->resume(); break;
            case QAudio::StoppedState: sink_->start(this); break;  // the server went away and came back
            default: break;
        }
    }
    void Shut() {
        rest_.reset();
        if (sink_) sink_->stop();
        sink_.reset();
    }

    // From the windows' side.
    void Request(const WaveSamples* sound) {
        const std::lock_guard lock(mutex_);
        requested_ = sound;
        ++requests_;
    }
    void SetGain(int gain) {
        const std::lock_guard lock(mutex_);
        gain_ = gain;
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        int gain = 0;
        {
            const std::lock_guard lock(mutex_);
            if (requests_ != served_) {
                served_ = requests_;
                sound_ = requested_;
                position_ = 0;
                silentSamples_ = 0;
            }
            gain = gain_;
        }
        const auto wanted = static_cast<std::size_t>(maxSize / qint64{sizeof(std::int16_t)});
        std::size_t given = 0;
        if (sound_ != nullptr) {
            given = std::min(wanted, sound_->size() - position_);
            for (std::size_t i = 0; i < given; ++i) {
                const auto sample = static_cast<std::int16_t>(((*sound_)[position_ + i] * gain) >> 16);
                std::memcpy(data + i * sizeof sample, &sample, sizeof sample);
            }
            position_ += given;
            if (position_ >= sound_->size()) sound_ = nullptr;
        }
        std::memset(data + given * sizeof(std::int16_t), 0, (wanted - given) * sizeof(std::int16_t));
        silentSamples_ += static_cast<qint64>(wanted - given);
        // Rested outside the sink's own call.
        if (sound_ == nullptr && silentSamples_ >= kSilenceBeforeRest && !rest_->isActive()) rest_->start(0);
        return static_cast<qint64>(wanted) * qint64{sizeof(std::int16_t)};
    }
    qint64 writeData(const char* /*data*/, qint64 /*maxSize*/) override { return -1; }

private:
    void Rest() {
        {
            const std::lock_guard lock(mutex_);
            if (requests_ != served_) return;  // a sound is on its way
        }
        if (sink_ && sound_ == nullptr && sink_->state() == QAudio::ActiveState) sink_->suspend();
    }

    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QTimer> rest_;
    // The output's own: what plays and how far.
    const WaveSamples* sound_ = nullptr;
    std::size_t position_ = 0;
    qint64 silentSamples_ = 0;  // fed since the last sound ended
    unsigned served_ = 0;
    // Shared with the windows' side.
    std::mutex mutex_;
    const WaveSamples* requested_ = nullptr;
    unsigned requests_ = 0;
    int gain_ = 1 << 16;  // fixed point, 16 bits of fraction
};

SoundOutput::SoundOutput() = default;

SoundOutput::~SoundOutput() {
    if (!feed_) return;
    QMetaObject::invokeMethod(
        feed_.get(), [this] { feed_->Shut(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

bool SoundOutput::Open() {
    if (feed_) return true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(kOutputRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    feed_ = std::make_unique<Feed>();
    feed_->SetGain(gain_);
    thread_.setObjectName(QStringLiteral("sound output"));
    feed_->moveToThread(&thread_);
    thread_.start();
    bool opened = false;
    QMetaObject::invokeMethod(
        feed_.get(), [&] { opened = feed_->Open(device, format); }, Qt::BlockingQueuedConnection);
    return opened;
}

void SoundOutput::Play(const WaveSamples* sound) {
    if (!feed_ || sound == nullptr) return;
    feed_->Request(sound);
    QMetaObject::invokeMethod(
        feed_.get(), [feed = feed_.get()] { feed->Wake(); }, Qt::QueuedConnection);
}

void SoundOutput::Stop() {
    if (feed_) feed_->Request(nullptr);
}

void SoundOutput::SetGain(double gain) {
    gain_ = static_cast<int>(std::clamp(gain, 0.0, 1.0) * (1 << 16));
    if (feed_) feed_->SetGain(gain_);
}

}  // namespace kararion::ui
