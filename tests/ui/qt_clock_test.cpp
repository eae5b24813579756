// Qt's side of the seams: the QTimer host and the message box, and a game
// played on the real clock.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "core/counters.h"
#include "ui/controls.h"
#include "ui/qt_effects.h"
#include "ui/qt_timer_host.h"
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
};

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
    GameWindows windows(fx, host, ".");
    windows.SetOnEnd([] {});
    windows.Start();
    QCoreApplication::processEvents();
    QCOMPARE(host.RunningCount(), 0);
}

void QtClockTest::aGameOnTheRealClockSpinsAndStops() {
    RecordingEffects fx;
    QtTimerHost host;
    GameWindows windows(fx, host, ".");
    host.SetAfterTick([&] { windows.RefreshAll(); });
    windows.SetOnEnd([] {});
    windows.Start();
    QCoreApplication::processEvents();
    Game& g = windows.game();

    Click(Control<CaptionLabel>(windows.infoWindow(), "BetUp"));
    Click(Control<CaptionLabel>(windows.menuWindow(), "Start"));
    QCOMPARE(host.RunningCount(), 4);  // three reels and the lamp chase
    QCOMPARE(host.TimerFor(g.main.reel2Timer)->interval(), 40);

    // The reels step on their own and the cells follow without any click.
    auto* cell = Control<ReelCell>(windows.mainWindow(), "Slot1(1)");
    QTRY_VERIFY(g.spin.ReelPos1 >= 3);
    QCOMPARE(cell->symbol(), LooksLike(g.main.Cell(1, 1)));

    for (const char* stop : {"Stop1", "Stop2", "Stop3"}) Click(Control<CaptionLabel>(windows.mainWindow(), stop));
    QVERIFY(!host.TimerFor(g.main.reel1Timer)->isActive());
    QVERIFY(!host.TimerFor(g.main.reel3Timer)->isActive());
    QCOMPARE(ReadCounter(g.info.Win) + ReadCounter(g.info.Lost), 1.0);
    // A win is counted up and shown; either way the game comes to rest.
    QTRY_COMPARE_WITH_TIMEOUT(host.RunningCount(), 0, 10000);
    QCOMPARE(g.info.Bet, std::string("0"));
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

QTEST_MAIN(QtClockTest)
#include "qt_clock_test.moc"
