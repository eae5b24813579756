// How close Qt's clock comes to the game's nominal rates: the reels' steps a
// second while a game is under way, and the wall time of a 200-coin count-up.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_env.h"
#include "core/counters.h"
#include "core/symbol.h"
#include "core/tuning.h"
#include "machine/game.h"
#include "setup/game_setup.h"
#include "sound/sound_names.h"
#include "sound/sounds.h"
#include "ui/group/game_windows.h"
#include "ui/seams/qt_effects.h"
#include "ui/seams/qt_timer_host.h"

namespace {

constexpr int kSpinMs = 5000;

}  // namespace

int main(int argc, char* argv[]) {
    using kararion::bench::MonotonicNs;
    kararion::bench::UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    // The real game's parts, put together as the program does, but with the
    // game in our hands, so that the count-up can be set up.
    kararion::ui::QtEffects effects;
    kararion::ui::QtTimerHost timers;
    kararion::Game g(effects, timers, KARARION_PROGRAM_DIR);
    kararion::ui::GameWindows windows(g);
    effects.SetBeforeModal([&] { windows.Redraw(); });
    windows.Start();
    {
        std::vector<std::string> files;
        files.reserve(kararion::sound::kSounds.size());
        for (const kararion::sound::SoundFileName& s : kararion::sound::kSounds)
            files.push_back(kararion::sound::SoundFile(g.programDir(), s.sound));
        effects.Preload(files);
    }

    std::int64_t spinStart = 0;
    std::int64_t spunTicks[3] = {};
    std::int64_t countStart = 0;
    kararion::Count coinsBefore = 0;
    bool counting = false;

    auto countUp = [&] {
        // Sevens on the top line, the one a bet of 1 plays: a win of 200 coins.
        // A stop leaves the view as it is, so the last stop judges these cells.
        for (int reel = 1; reel <= 3; ++reel)
            kararion::machine::GameSetup(g).ShowPicture(reel, 1, kararion::PictureOf(kararion::Symbol::Seven));
        coinsBefore = g.counters().Coin();
        counting = true;
        countStart = MonotonicNs();
        for (int reel = 1; reel <= 3; ++reel) g.ClickStop(reel);
        windows.RefreshAll();
    };
    timers.SetAfterTick([&] {
        windows.RefreshAll();
        if (counting && !g.judge().CountUpTimer().Enabled()) {
            counting = false;
            const double ms = static_cast<double>(MonotonicNs() - countStart) / 1e6;
            std::printf(
                "count-up of %d coins     %7.1f ms (nominal 2010 ms: 200 coins and the closing tick at 10 ms)\n",
                kararion::tuning::kSevenPays, ms);
            std::printf("coins paid                %7lld, CoinUp ticks %lld\n",
                        static_cast<long long>(g.counters().Coin() - coinsBefore),
                        static_cast<long long>(g.judge().CountUpTimer().TicksRun()));
            QTimer::singleShot(0, [] { QApplication::quit(); });
        }
    });

    QTimer::singleShot(1000, [&] {
        g.ClickBetUp();
        g.ClickStart();
        windows.RefreshAll();
        spinStart = MonotonicNs();
        for (int reel = 1; reel <= 3; ++reel) spunTicks[reel - 1] = g.reels().ReelTimer(reel).TicksRun();
        QTimer::singleShot(kSpinMs, [&] {
            const double seconds = static_cast<double>(MonotonicNs() - spinStart) / 1e9;
            const double nominal[3] = {20.0, 25.0, 1000.0 / 60.0};
            std::printf("platform                  %s\n", qPrintable(QGuiApplication::platformName()));
            for (int reel = 1; reel <= 3; ++reel) {
                const double steps = static_cast<double>(g.reels().ReelTimer(reel).TicksRun() - spunTicks[reel - 1]);
                std::printf("SLT%d steps per second    %7.2f (nominal %.1f, %+.2f %%)\n", reel, steps / seconds,
                            nominal[reel - 1], 100.0 * (steps / seconds / nominal[reel - 1] - 1.0));
            }
            countUp();
        });
    });
    return QApplication::exec();
}
