#include "ui/seams/qt_effects.h"

#include <QApplication>
#include <QAudio>
#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdlib>

#include "ui/controls/look.h"

namespace kararion::ui {

QtEffects::QtEffects() {
    if (const char* log = std::getenv("KARARION_SOUND_LOG"); log != nullptr && *log != '\0')
        playLog_ = std::fopen(log, "we");
}

QtEffects::~QtEffects() {
    if (playLog_ != nullptr) std::fclose(playLog_);
}

void QtEffects::Beep() { QApplication::beep(); }

void QtEffects::MessageBox(const std::string& text, const std::string& title) {
    if (beforeModal_) beforeModal_();
    // No owner: the box blocks every window of the game alike, while the main
    // window's timers go on ticking in its event loop.
    QMessageBox box;
    box.setFont(Zoomed(DefaultFont()));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    // Centred on the window the player is looking at: the dialog that asked
    // (「完了」 after a save), else the game's active window.
    QWidget* over = QApplication::activeModalWidget();
    if (over == nullptr) over = QApplication::activeWindow();
    if (over != nullptr) {
        const auto centre = [&box, over = QPointer<QWidget>(over)] {
            if (over == nullptr) return;
            box.move(over->frameGeometry().center() - QRect(QPoint(0, 0), box.frameGeometry().size()).center());
        };
        box.adjustSize();
        centre();
        // Once shown, with the size it took for its text.
        QTimer::singleShot(0, &box, centre);
    }
    box.exec();
}

bool QtEffects::HaveAudioOutput() {
    // Asked once: without a sound card (a server, a test run) the game stays
    // silent instead of filling the log with the audio layer's complaints.
    if (audioOutput_ < 0) audioOutput_ = !QMediaDevices::audioOutputs().isEmpty() && output_.Open() ? 1 : 0;
    return audioOutput_ == 1;
}

namespace {

// Only a regular file that we may read is read. open() would wait for ever on
// a FIFO, or read a device without end; so anything else counts as missing.
bool IsSoundFile(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isReadable();
}

}  // namespace

const WaveSamples* QtEffects::Prepare(const std::string& path) {
    if (path.empty()) return nullptr;
    if (auto found = sounds_.find(path); found != sounds_.end()) return found->second ? &*found->second : nullptr;
    const QString name = QString::fromStdString(path);
    if (!IsSoundFile(name) || !HaveAudioOutput()) return nullptr;
    QFile file(name);
    std::optional<WaveSamples> samples;
    if (file.open(QIODevice::ReadOnly)) samples = DecodeWave(file.readAll());
    // A file that is no wave of ours stays silent, and is not read again.
    auto& kept = sounds_[path];
    kept = std::move(samples);
    return kept ? &*kept : nullptr;
}

void QtEffects::Preload(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) Prepare(path);
}

void QtEffects::SoundCloseAll() {
    output_.Stop();
    open_ = nullptr;
    openPath_.clear();
}

void QtEffects::SoundOpen(const std::string& path) {
    open_ = Prepare(path);
    openPath_ = open_ != nullptr ? path : std::string();
}

void QtEffects::SetSoundOn(bool on) {
    soundOn_ = on;
    if (!on) output_.Stop();
}

void QtEffects::SetVolume(int percent) {
    volume_ = std::clamp(percent, 0, 100);
    // In steps the ear hears as even: the output's gain on a logarithmic scale.
    const double gain = volume_ == 0 ? 0.0
                                     : QAudio::convertVolume(static_cast<float>(volume_) / 100.0F,
                                                             QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
    output_.SetGain(gain);
}

void QtEffects::SoundPlay(const std::string& path) {
    if (open_ == nullptr || path != openPath_ || !soundOn_) return;
    // From the beginning, also when the same sound is still playing.
    output_.Play(open_);
    LogPlay(path);
}

void QtEffects::LogPlay(const std::string& path) {
    if (playLog_ == nullptr) return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const double ms = std::chrono::duration<double, std::milli>(now).count();
    std::fprintf(playLog_, "%.3f %s\n", ms, QFileInfo(QString::fromStdString(path)).fileName().toUtf8().constData());
    std::fflush(playLog_);
}

}  // namespace kararion::ui
