// How close Qt's clock comes to the game's nominal rates: the reels' steps a
// second while a game is under way, and the wall time of a 200-coin count-up.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "bench_env.h"
#include "bet/bet.h"
#include "core/counters.h"
#include "reels/reels.h"
#include "ui/group/real_game.h"

namespace {

constexpr int kSpinMs = 5000;

}  // namespace

int main(int argc, char* argv[]) {
    using kararion::bench::MonotonicNs;
    kararion::bench::UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    kararion::ui::RealGame real(KARARION_PROGRAM_DIR);
    real.Start();
    kararion::Game& g = real.windows().MutableGame();

    std::int64_t spinStart = 0;
    std::int64_t spunTicks[3] = {};
    std::int64_t countStart = 0;
    double coinsBefore = 0;
    bool counting = false;

    auto countUp = [&] {
        // A win of 200 coins on a bet of 1, as the judgement would leave it.
        g.counters.Bet = kararion::WriteCounter(1);
        g.judge.Payout = 200;
        coinsBefore = kararion::ReadCounter(g.counters.Coin);
        counting = true;
        countStart = MonotonicNs();
        g.judge.coinUpTimer.SetEnabled(true);
    };
    real.timers().SetAfterTick([&] {
        real.windows().RefreshAll();
        if (counting && !g.judge.coinUpTimer.Enabled()) {
            counting = false;
            const double ms = static_cast<double>(MonotonicNs() - countStart) / 1e6;
            std::printf(
                "count-up of 200 coins     %7.1f ms (nominal 2010 ms: 200 coins and the closing tick at 10 ms)\n", ms);
            std::printf("coins paid                %7.0f, CoinUp ticks %lld\n",
                        kararion::ReadCounter(g.counters.Coin) - coinsBefore,
                        static_cast<long long>(g.judge.coinUpTimer.TicksRun()));
            QTimer::singleShot(0, [] { QApplication::quit(); });
        }
    });

    QTimer::singleShot(1000, [&] {
        g.betting.RaiseBet();
        g.reels.StartGame();
        real.windows().RefreshAll();
        spinStart = MonotonicNs();
        for (int reel = 1; reel <= 3; ++reel) spunTicks[reel - 1] = g.reels.ReelTimer(reel).TicksRun();
        QTimer::singleShot(kSpinMs, [&] {
            const double seconds = static_cast<double>(MonotonicNs() - spinStart) / 1e9;
            const double nominal[3] = {20.0, 25.0, 1000.0 / 60.0};
            std::printf("platform                  %s\n", qPrintable(QGuiApplication::platformName()));
            for (int reel = 1; reel <= 3; ++reel) {
                const double steps = static_cast<double>(g.reels.ReelTimer(reel).TicksRun() - spunTicks[reel - 1]);
                std::printf("SLT%d steps per second    %7.2f (nominal %.1f, %+.2f %%)\n", reel, steps / seconds,
                            nominal[reel - 1], 100.0 * (steps / seconds / nominal[reel - 1] - 1.0));
                g.reels.ReelTimer(reel).SetEnabled(false);
            }
            g.reelLamps.reelLampTimer.SetEnabled(false);
            countUp();
        });
    });
    return QApplication::exec();
}
