// Qt's side of the seams: the QTimer host, the message box and the sound
// device, and a game played on the real clock.
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/counters.h"
#include "sound/sounds.h"
#include "ui/controls/controls.h"
#include "ui/group/real_game.h"
#include "ui/seams/qt_effects.h"
#include "ui/seams/qt_timer_host.h"
#include "ui_game.h"

using namespace kararion;
using namespace kararion::ui;

class QtClockTest : public QObject {
    Q_OBJECT
private slots:
    void aTimerRunsExactlyWhileEnabled();
    void anIdleGameRunsNoTimer();
    void aGameOnTheRealClockSpinsAndStops();
    void messageBoxIsPlainAndModal();
    void aSoundThatIsNoFileIsSilentAndTheEndIsClean();
};

namespace {

// A tenth of a second of a quiet tone, 8 kHz mono, as a wave file.
void WriteWave(const QString& path) {
    constexpr int kSamples = 800;
    QByteArray data;
    for (int i = 0; i < kSamples; ++i) {
        const qint16 sample = (i / 8) % 2 == 0 ? 2000 : -2000;
        data.append(reinterpret_cast<const char*>(&sample), 2);
    }
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    QByteArray wave = "RIFF" + le32(36 + static_cast<quint32>(data.size())) + "WAVEfmt " + le32(16) + le16(1) +
                      le16(1) + le32(8000) + le32(16000) + le16(2) + le16(16) + "data" +
                      le32(static_cast<quint32>(data.size())) + data;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wave);
}

// A sound server of our own with a sink that plays into nothing, so that the
// sound device really loads its files, as on a desktop. Without the server
// program the game is silent and the device never looks at a file at all.
class PrivateSoundServer {
public:
    PrivateSoundServer() {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty() || !dir_.isValid()) return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH"}) env.insert(name, dir_.path());
        server_.setProcessEnvironment(env);
        const QString socket = dir_.filePath(QStringLiteral("native"));
        server_.start(program,
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--load=module-null-sink"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!server_.waitForStarted()) return;
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i) QTest::qWait(50);
        if (QFile::exists(socket)) qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    }
    ~PrivateSoundServer() {
        server_.terminate();
        server_.waitForFinished();
    }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

private:
    QTemporaryDir dir_;
    QProcess server_;
};

}  // namespace

void QtClockTest::aTimerRunsExactlyWhileEnabled() {
    QtTimerHost host;
    GameTimer timer("Test", 5);
    timer.SetHost(&host);
    int ticks = 0;
    int refreshes = 0;
    timer.SetTick([&] { ++ticks; });
    host.SetAfterTick([&] { ++refreshes; });

    QCOMPARE(host.TimerFor(timer), nullptr);
    timer.SetEnabled(true);
    const QTimer* qtimer = host.TimerFor(timer);
    QVERIFY(qtimer != nullptr);
    QVERIFY(qtimer->isActive());
    QCOMPARE(qtimer->interval(), 5);
    QCOMPARE(qtimer->timerType(), Qt::PreciseTimer);
    QTRY_VERIFY(ticks >= 3);
    QCOMPARE(refreshes, ticks);  // every tick is drawn

    timer.SetEnabled(false);
    QVERIFY(!qtimer->isActive());
    QCOMPARE(host.RunningCount(), 0);
    const int stopped = ticks;
    QTest::qWait(30);
    QCOMPARE(ticks, stopped);
}

void QtClockTest::anIdleGameRunsNoTimer() {
    RecordingEffects fx;
    QtTimerHost host;
    Game game(fx, host, ".");
    GameWindows windows(game);
    windows.SetOnEnd([] {});
    windows.Start();
    QCoreApplication::processEvents();
    QCOMPARE(host.RunningCount(), 0);
}

void QtClockTest::aGameOnTheRealClockSpinsAndStops() {
    RecordingEffects fx;
    QtTimerHost host;
    Game g(fx, host, ".");
    GameWindows windows(g);
    host.SetAfterTick([&] { windows.RefreshAll(); });
    windows.SetOnEnd([] {});
    windows.Start();
    QCoreApplication::processEvents();

    Click(Control<CaptionLabel>(windows.infoWindow(), "BetUp"));
    Click(Control<CaptionLabel>(windows.menuWindow(), "Start"));
    QCOMPARE(host.RunningCount(), 4);  // three reels and the lamp chase
    QCOMPARE(host.TimerFor(g.reels().ReelTimer(2))->interval(), 40);

    // The reels step on their own and the cells follow without any click.
    auto* cell = Control<ReelCell>(windows.mainWindow(), "Slot1(1)");
    QTRY_VERIFY(g.reels().ReelPosition(1) >= 3);
    QCOMPARE(cell->symbol(), LooksLike(g.reels().Cell(1, 1)));

    for (const char* stop : {"Stop1", "Stop2", "Stop3"}) Click(Control<CaptionLabel>(windows.mainWindow(), stop));
    QVERIFY(!host.TimerFor(g.reels().ReelTimer(1))->isActive());
    QVERIFY(!host.TimerFor(g.reels().ReelTimer(3))->isActive());
    QCOMPARE(g.counters().Win() + g.counters().Lost(), Count{1});
    // A win is counted up and shown; either way the game comes to rest.
    QTRY_COMPARE_WITH_TIMEOUT(host.RunningCount(), 0, 10000);
    QCOMPARE(g.counters().Bet(), Count{0});
}

void QtClockTest::messageBoxIsPlainAndModal() {
    QtEffects effects;
    int refreshed = 0;
    effects.SetBeforeModal([&] { ++refreshed; });
    QString title;
    QString text;
    int buttons = -1;
    bool noIcon = false;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return;
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        noIcon = box->icon() == QMessageBox::NoIcon;
        box->button(QMessageBox::Ok)->click();
    });
    effects.MessageBox("判定で異常です。", "エラー");
    QCOMPARE(refreshed, 1);
    QCOMPARE(title, QStringLiteral("エラー"));
    QCOMPARE(text, QStringLiteral("判定で異常です。"));
    QCOMPARE(buttons, 1);
    QVERIFY(noIcon);
}

// A FIFO in place of a sound file: the device must not wait on it (the
// loader thread would hang in open(), hold up the other sounds and keep the
// program from ending); the bet goes on silently and the end comes at once.
void QtClockTest::aSoundThatIsNoFileIsSilentAndTheEndIsClean() {
    PrivateSoundServer server;  // before the first sound: the device looks for outputs only once
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkpath(QStringLiteral("data/se")));
    const QString folder = program.filePath(QStringLiteral("data/se/"));
    for (const std::string& file : sound::WaveFileNames()) WriteWave(folder + QString::fromStdString(file));
    QVERIFY(QFile::remove(folder + QStringLiteral("betup.wav")));
    const QByteArray fifo = QFile::encodeName(folder + QStringLiteral("betup.wav"));
    QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);

    bool ended = false;
    bool fifoWaitedOn = false;
    {
        RealGame game(program.path().toStdString());
        game.windows().SetOnEnd([&] { ended = true; });
        game.Start();
        QTest::qWait(400);  // past the sounds' preloading
        Click(Control<CaptionLabel>(game.windows().infoWindow(), "BetUp"));
        Click(Control<CaptionLabel>(game.windows().infoWindow(), "BetDown"));
        Click(Control<CaptionLabel>(game.windows().infoWindow(), "BetUp"));
        QTest::qWait(200);
        // Opening the writing end without blocking succeeds only while someone
        // waits to read; doing so also frees such a reader, so the test ends.
        const int writer = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        fifoWaitedOn = writer >= 0;
        if (writer >= 0) ::close(writer);
        QCOMPARE(game.game().counters().Bet(), Count{1});  // the silent bet counted
        Click(Control<CaptionLabel>(game.windows().menuWindow(), "Ended"));
    }
    QVERIFY2(!fifoWaitedOn, "the sound device waits on a FIFO");
    QVERIFY(ended);
}

QTEST_MAIN(QtClockTest)
#include "qt_clock_test.moc"
