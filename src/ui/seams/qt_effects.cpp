#include "ui/seams/qt_effects.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include "ui/controls/look.h"

namespace kararion::ui {

QtEffects::QtEffects() = default;
QtEffects::~QtEffects() = default;

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
    if (audioOutput_ < 0) audioOutput_ = QMediaDevices::audioOutputs().isEmpty() ? 0 : 1;
    return audioOutput_ == 1;
}

namespace {

// Only a regular file that we may read is handed to the loader. Its thread
// would wait for ever in open() on a FIFO, or read a device without end, and
// the program could not end while it does; so anything else counts as missing.
bool IsSoundFile(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isReadable();
}

}  // namespace

QSoundEffect* QtEffects::Prepare(const std::string& path) {
    if (path.empty()) return nullptr;
    if (auto found = sounds_.find(path); found != sounds_.end()) return found->second.get();
    if (!IsSoundFile(QString::fromStdString(path)) || !HaveAudioOutput()) return nullptr;
    auto sound = std::make_unique<QSoundEffect>();
    sound->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    QSoundEffect* raw = sound.get();
    sounds_.emplace(path, std::move(sound));
    return raw;
}

void QtEffects::Preload(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) Prepare(path);
}

void QtEffects::SoundCloseAll() {
    if (open_ != nullptr) open_->stop();
    open_ = nullptr;
    openPath_.clear();
}

void QtEffects::SoundOpen(const std::string& path) {
    open_ = Prepare(path);
    openPath_ = open_ != nullptr ? path : std::string();
}

void QtEffects::SetSoundOn(bool on) {
    soundOn_ = on;
    if (!on && open_ != nullptr) open_->stop();
}

void QtEffects::SoundPlay(const std::string& path) {
    if (open_ == nullptr || path != openPath_ || !soundOn_) return;
    // From the beginning, also when the same sound is still playing.
    open_->stop();
    open_->play();
}

}  // namespace kararion::ui
