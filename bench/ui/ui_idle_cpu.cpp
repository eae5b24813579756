// CPU time the game takes while it waits for the player: ten seconds of the
// real game's event loop with no game under way.
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "bench_env.h"
#include "ui/group/real_game.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
    kararion::bench::UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    kararion::ui::RealGame game(KARARION_PROGRAM_DIR);
    game.Start();

    constexpr int kSettleMs = 1500;  // start-up and the sounds' decoding are not idling
    constexpr int kIdleMs = 10000;
    double cpuStart = 0;
    std::int64_t wallStart = 0;
    QTimer::singleShot(kSettleMs, [&] {
        cpuStart = CpuSeconds();
        wallStart = kararion::bench::MonotonicNs();
        QTimer::singleShot(kIdleMs, [&] {
            const double cpu = CpuSeconds() - cpuStart;
            const double wall = static_cast<double>(kararion::bench::MonotonicNs() - wallStart) / 1e9;
            std::printf("platform            %s\n", qPrintable(QGuiApplication::platformName()));
            std::printf("idle wall time      %.2f s\n", wall);
            std::printf("idle CPU time       %.4f s\n", cpu);
            std::printf("idle CPU use        %.3f %% of one core (goal < 0.5 %%)\n", 100.0 * cpu / wall);
            std::printf("game timers running %d\n", game.timers().RunningCount());
            QApplication::quit();
        });
    });
    return QApplication::exec();
}
