// Plays a number of games on the real windows with real mouse clicks on the
// main window (the click cycle: three bets, a start, three stops), each reel
// stopped after a random wait on the virtual clock, then opens the data window
// with the D key and saves a picture of it, and of the whole screen if asked.
//
// Usage: datashot <picture.png> [games] [seed] [screen.png]
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/counters.h"
#include "core/virtual_clock.h"
#include "ui/dialogs/data_window.h"
#include "ui/group/game_windows.h"
#include "ui/windows/main_window.h"

using namespace kararion;

namespace {

// Bare background of the main window, taken in turn so that two clicks never
// land on one spot.
const QPoint kBare[] = {{4, 4}, {96, 8}, {184, 8}, {184, 125}, {72, 120}, {8, 125}};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: datashot <picture.png> [games] [seed] [screen.png]\n");
        return 2;
    }
    const QString picture = QString::fromLocal8Bit(argv[1]);
    const int games = argc > 2 ? std::atoi(argv[2]) : 200;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 7;

    RecordingEffects fx;
    fx.keepLog = false;
    VirtualClock clock;
    ui::GameWindows windows(fx, clock, ".");
    windows.SetOnEnd([] {});
    windows.Start();
    Game& g = windows.MutableGame();
    QWidget* main = windows.mainWindow();
    if (!QTest::qWaitForWindowExposed(main)) return 1;

    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> wait(0, 1999);
    std::size_t next = 0;
    auto click = [&] {
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier, kBare[next]);
        next = (next + 1) % std::size(kBare);
    };
    auto spinning = [&] { return g.reels.AnyReelSpinning(); };
    const session::History& history = windows.history();
    while (history.Games() < games) {
        if (spinning()) {
            // A replay started this game by itself: its stop buttons stop it.
            for (const char* stop : {"Stop1", "Stop2", "Stop3"}) {
                clock.Advance(wait(rng));
                QWidget* button = main->findChild<QWidget*>(QString::fromLatin1(stop));
                QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier, button->geometry().center());
            }
        } else {
            if (ReadCounter(g.counters.Coin) <= 0) {
                std::fprintf(stderr, "datashot: out of coins after %d games; try another seed\n", history.Games());
                return 1;
            }
            for (int step = 1; step <= 4; ++step) click();
            for (int step = 5; step <= 7; ++step) {
                clock.Advance(wait(rng));
                click();
            }
        }
        clock.AdvanceUntil([&] { return !g.judge.coinUpTimer.Enabled(); }, 5000);
        windows.RefreshAll();
    }

    QTest::keyClick(main, Qt::Key_D);
    QWidget* data = windows.dataWindow();
    if (data == nullptr) {
        std::fprintf(stderr, "datashot: the D key opened no data window\n");
        return 1;
    }
    if (!QTest::qWaitForWindowExposed(data)) return 1;
    QTest::qWait(300);
    if (!data->grab().save(picture)) {
        std::fprintf(stderr, "datashot: cannot write %s\n", qPrintable(picture));
        return 1;
    }
    if (argc > 4 && !data->screen()->grabWindow(0).save(QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "datashot: cannot write %s\n", argv[4]);
        return 1;
    }
    std::printf("datashot: %d games, coins %s, picture %s\n", history.Games(), g.counters.Coin.c_str(),
                qPrintable(picture));
    return 0;
}
