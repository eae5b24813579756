// Makes the README's pictures from the real windows on the virtual clock:
//   idle.png      the three windows right after the start
//   spinning.png  a stake of three coins and the reels spinning
//   data.png      the data window, after a number of games played with real
//                 mouse clicks on the main window (the click cycle: three bets,
//                 a start, three stops), each reel stopped after a random wait,
//                 and opened with the D key
// Each window is drawn by itself and placed where it stands on the screen, on
// a plain background. `cmake --build build --target readme_figures` runs it
// under Xvfb at twice the scale.
//
// Usage: datashot <folder> [games] [seed]
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "core/counters.h"
#include "core/virtual_clock.h"
#include "machine/game.h"
#include "setup/recording_effects.h"
#include "ui/group/game_windows.h"
#include "ui/reading/data_window.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

using namespace kararion;

namespace {

// Bare background of the main window, taken in turn so that two clicks never
// land on one spot.
const QPoint kBare[] = {{4, 4}, {96, 8}, {184, 8}, {184, 125}, {72, 120}, {8, 125}};

const QColor kBackground(0x4a, 0x4a, 0x4a);
constexpr int kMargin = 8;  // picture pixels of background around the windows

// The windows as they stand on the screen, each drawn by itself.
bool SavePicture(const QString& file, const std::vector<QWidget*>& windows) {
    QRect around;
    for (QWidget* w : windows) around |= w->geometry();
    const qreal scale = windows.front()->devicePixelRatioF();
    const QSize size = (QSizeF(around.size()) * scale).toSize() + QSize(2 * kMargin, 2 * kMargin);
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kBackground);
    // Drawn in the windows' own logical pixels, each picture at full resolution.
    picture.setDevicePixelRatio(scale);
    QPainter painter(&picture);
    for (QWidget* w : windows) {
        const QPointF at = QPointF(w->geometry().topLeft() - around.topLeft()) + QPointF(kMargin, kMargin) / scale;
        painter.drawPixmap(at, w->grab());
    }
    painter.end();
    if (!picture.save(file)) {
        std::fprintf(stderr, "datashot: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("datashot: %s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: datashot <folder> [games] [seed]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int games = argc > 2 ? std::atoi(argv[2]) : 200;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 7;

    RecordingEffects fx;
    fx.keepLog = false;
    VirtualClock clock;
    Game g(fx, clock, ".");
    ui::GameWindows windows(g);
    windows.SetOnEnd([] {});
    windows.Start();
    QWidget* main = windows.mainWindow();
    if (!QTest::qWaitForWindowExposed(main)) return 1;
    QTest::qWait(300);
    const std::vector<QWidget*> group = {windows.infoWindow(), main, windows.menuWindow()};
    if (!SavePicture(folder + QStringLiteral("/idle.png"), group)) return 1;

    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> wait(0, 1999);
    std::size_t next = 0;
    auto click = [&] {
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier, kBare[next]);
        next = (next + 1) % std::size(kBare);
    };
    auto spinning = [&] { return g.reels().AnyReelSpinning(); };
    const session::History& history = windows.history();

    // Three bets and a start, and the reels a moment later.
    for (int step = 1; step <= 4; ++step) click();
    clock.Advance(400);
    windows.RefreshAll();
    if (!spinning()) {
        std::fprintf(stderr, "datashot: the reels do not spin after three bets and a start\n");
        return 1;
    }
    if (!SavePicture(folder + QStringLiteral("/spinning.png"), group)) return 1;
    for (int step = 5; step <= 7; ++step) {
        clock.Advance(wait(rng));
        click();
    }
    clock.AdvanceUntil([&] { return !g.judge().CountUpTimer().Enabled(); }, 5000);
    windows.RefreshAll();

    while (history.Games() < games) {
        if (spinning()) {
            // A replay started this game by itself: its stop buttons stop it.
            for (const char* stop : {"Stop1", "Stop2", "Stop3"}) {
                clock.Advance(wait(rng));
                QWidget* button = main->findChild<QWidget*>(QString::fromLatin1(stop));
                QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier, button->geometry().center());
            }
        } else {
            if (g.counters().Coin() <= 0) {
                std::fprintf(stderr, "datashot: out of coins after %d games; try another seed\n", history.Games());
                return 1;
            }
            for (int step = 1; step <= 4; ++step) click();
            for (int step = 5; step <= 7; ++step) {
                clock.Advance(wait(rng));
                click();
            }
        }
        clock.AdvanceUntil([&] { return !g.judge().CountUpTimer().Enabled(); }, 5000);
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
    if (!SavePicture(folder + QStringLiteral("/data.png"), {data})) return 1;
    std::printf("datashot: %d games, coins %lld\n", history.Games(), static_cast<long long>(g.counters().Coin()));
    return 0;
}
