// The zoom and the sound are remembered in the desktop's settings folder, and
// whatever lies there never blocks the game nor sends the settings elsewhere.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <filesystem>
#include <thread>

#include "ui/controls/look.h"
#include "ui_game.h"

using namespace kararion;
using namespace kararion::ui;
namespace fs = std::filesystem;

namespace {

// Notes whether anything opens the FIFO at `path` to read it, and lets such a
// reader go at once (it reads nothing), so that a game that opens it hangs
// no test.
class FifoWatch {
public:
    explicit FifoWatch(std::string path) : path_(std::move(path)) {
        thread_ = std::thread([this] {
            while (!stop_) {
                const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    struct stat info {};
                    if (::fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode)) opened_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~FifoWatch() { Stop(); }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;
    // True when a reader opened it.
    bool Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return opened_;
    }

private:
    std::string path_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread thread_;
};

bool IsFifo(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

int RememberedZoom(const fs::path& file) {
    return QSettings(QString::fromStdString(file.string()), QSettings::IniFormat).value("view/zoom", 0).toInt();
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aFileThatIsNoFileNeverBlocks();
    void onlyAnAbsoluteFolderKeepsThem();

private:
    QTemporaryDir dir_;
    fs::path root_;
    QByteArray home_;
    QByteArray configHome_;
    QString workingFolder_;
};

void SettingsTest::init() {
    QVERIFY(dir_.isValid());
    root_ = fs::path(dir_.path().toStdString());
    home_ = qgetenv("HOME");
    configHome_ = qgetenv("XDG_CONFIG_HOME");
    workingFolder_ = QDir::currentPath();
}

void SettingsTest::cleanup() {
    qputenv("HOME", home_);
    qputenv("XDG_CONFIG_HOME", configHome_);
    QDir::setCurrent(workingFolder_);
    for (const auto& entry : fs::directory_iterator(root_)) fs::remove_all(entry.path());
}

void SettingsTest::aFileThatIsNoFileNeverBlocks() {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(root_.string()));
    const fs::path file = root_ / "kararion" / "kararion.conf";
    fs::create_directories(file.parent_path());
    QCOMPARE(::mkfifo(file.c_str(), 0600), 0);
    {
        // There at the start: the game starts at its defaults, and neither
        // the zoom (Ctrl+=) nor the sound (M) touches it later.
        FifoWatch watch(file.string());
        UiGame game;
        QCOMPARE(ZoomPercent(), 100);
        QVERIFY(game.windows.SoundOn());
        game.windows.SetZoom(125);
        QCOMPARE(ZoomPercent(), 125);
        game.windows.SetSoundOn(false);
        QVERIFY2(!watch.Stop(), "the settings' FIFO was opened");
        QVERIFY(IsFifo(file));
    }
    {
        // Put there while the game runs; its lock too.
        fs::remove(file);
        UiGame game;
        game.windows.SetZoom(125);
        QCOMPARE(RememberedZoom(file), 125);
        for (const fs::path& fifo : {file, fs::path(file.string() + ".lock")}) {
            fs::remove(file);
            fs::remove(file.string() + ".lock");
            if (fifo != file) game.windows.SetZoom(125);  // a regular file beside the lock
            QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
            FifoWatch watch(fifo.string());
            game.windows.SetZoom(100);
            game.windows.SetSoundOn(false);
            QVERIFY2(!watch.Stop(), qPrintable(QString::fromStdString(fifo.string() + " was opened")));
            QCOMPARE(ZoomPercent(), 100);
            QVERIFY(IsFifo(fifo));
        }
    }
}

void SettingsTest::onlyAnAbsoluteFolderKeepsThem() {
    // A relative XDG_CONFIG_HOME is ignored, as the desktop's rules say: the
    // settings go to the home folder's .config, never under the working folder.
    QDir::setCurrent(QString::fromStdString(root_.string()));
    fs::create_directory(root_ / "home");
    qputenv("HOME", QByteArray::fromStdString((root_ / "home").string()));
    qputenv("XDG_CONFIG_HOME", "rel/cfg");
    {
        UiGame game;
        game.windows.SetZoom(125);
    }
    QCOMPARE(RememberedZoom(root_ / "home" / ".config" / "kararion" / "kararion.conf"), 125);
    QVERIFY(!fs::exists(root_ / "rel"));
    {
        UiGame game;  // and read back from there
        QCOMPARE(ZoomPercent(), 125);
        game.windows.SetZoom(100);
    }

    // No folder at all: played at the defaults, remembered nowhere.
    fs::remove_all(root_ / "home");
    qunsetenv("HOME");
    qunsetenv("XDG_CONFIG_HOME");
    {
        UiGame game;
        QCOMPARE(ZoomPercent(), 100);
        game.windows.SetZoom(125);
        QCOMPARE(ZoomPercent(), 125);
        game.windows.SetSoundOn(false);
    }
    const QStringList left =
        QDir(QString::fromStdString(root_.string())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
    QVERIFY(!fs::exists("/.config/kararion"));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
