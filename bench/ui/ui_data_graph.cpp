// What the data window's graph costs after many games: feeding the session
// record, opening the window, and each game's update (the record, the
// window's refresh and a full paint), with the memory the process holds.
// Each size runs in a process of its own so that its memory is its own.
// Prints figures; passes or fails nothing.
//
// Usage: ui_data_graph [games...]   (default 1000 10000 100000 1000000)
#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench_env.h"
#include "session/history.h"
#include "ui/reading/data_window.h"

using namespace kararion;

namespace {

std::int64_t CpuNs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Kilobytes of the process's memory line `field` ("VmRSS", "VmHWM").
long MemoryKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string want = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(want, 0) == 0) return std::atol(line.c_str() + want.size());
    }
    return 0;
}

// A session at bet 3 that wins about one game in five, now and then big.
class Walk {
public:
    session::Purse Next(bool& won) {
        purse_.coin -= 3;
        purse_.usedCoin += 3;
        won = chance_(rng_) < 0.2;
        if (won) {
            const double paid = pays_[static_cast<std::size_t>(pick_(rng_))];
            purse_.coin += paid;
            purse_.winCoin += paid;
        }
        return purse_;
    }
    session::Purse Now() const { return purse_; }

private:
    std::mt19937 rng_{2024};
    std::uniform_real_distribution<double> chance_{0, 1};
    std::uniform_int_distribution<int> pick_{0, 9};
    const double pays_[10] = {3, 3, 5, 5, 8, 8, 15, 25, 50, 80};
    session::Purse purse_{100, 0, 0};
};

double Ms(std::int64_t ns) { return static_cast<double>(ns) / 1e6; }

int RunOne(int games) {
    const long startKb = MemoryKb("VmRSS");
    session::History history;
    Walk walk;
    history.Start(walk.Now());
    const std::int64_t feedStart = CpuNs();
    for (int i = 0; i < games; ++i) {
        bool won = false;
        const session::Purse now = walk.Next(won);
        history.GameEnded(now, won);
    }
    const std::int64_t feedNs = CpuNs() - feedStart;
    const long fedKb = MemoryKb("VmRSS");

    const std::int64_t openStart = CpuNs();
    const std::int64_t openWall = bench::MonotonicNs();
    auto* window = new ui::DataWindow(history);
    window->show();
    QCoreApplication::processEvents();
    window->repaint();
    const std::int64_t openNs = CpuNs() - openStart;
    const std::int64_t openWallNs = bench::MonotonicNs() - openWall;

    // One game more, as the game window would tell it, drawn at once.
    constexpr int kUpdates = 50;
    std::vector<std::int64_t> cpu, wall;
    for (int i = 0; i < kUpdates; ++i) {
        const std::int64_t c = CpuNs();
        const std::int64_t w = bench::MonotonicNs();
        bool won = false;
        const session::Purse now = walk.Next(won);
        history.GameEnded(now, won);
        window->Refresh();
        QCoreApplication::processEvents();
        window->repaint();
        cpu.push_back(CpuNs() - c);
        wall.push_back(bench::MonotonicNs() - w);
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(wall.begin(), wall.end());
    const long endKb = MemoryKb("VmRSS");
    auto mb = [](long kb) { return static_cast<double>(kb) / 1024; };
    std::printf("%9d %10.1f %9.1f %9.1f %11.2f %11.2f %10.2f %9.1f %9.1f %9.1f\n", games,
                static_cast<double>(feedNs) / std::max(1, games), Ms(openNs), Ms(openWallNs), Ms(cpu[kUpdates / 2]),
                Ms(wall[kUpdates / 2]), Ms(cpu.back()), mb(fedKb - startKb), mb(endKb), mb(MemoryKb("VmHWM")));
    delete window;
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::UseOffscreenUnlessTold();
    if (argc == 3 && std::string(argv[1]) == "--one") {
        QApplication app(argc, argv);
        return RunOne(std::atoi(argv[2]));
    }
    std::vector<std::string> sizes;
    for (int i = 1; i < argc; ++i) sizes.emplace_back(argv[i]);
    if (sizes.empty()) sizes = {"1000", "10000", "100000", "1000000"};
    std::printf(
        "the data window after N games (offscreen unless QT_QPA_PLATFORM says otherwise);\n"
        "feed: CPU ns per game into the session record; open: build, show, first paint;\n"
        "update: one game more, refresh and a full paint (median of 50, and the worst);\n"
        "record: memory the N games added; RSS and peak of the whole process at the end\n");
    std::printf("%9s %10s %9s %9s %11s %11s %10s %9s %9s %9s\n", "games", "feed ns/g", "open cpu", "open ms",
                "update cpu", "update ms", "worst cpu", "record MB", "RSS MB", "peak MB");
    std::fflush(stdout);
    for (const std::string& n : sizes) {
        const std::string command = std::string("\"") + argv[0] + "\" --one " + n;
        if (std::system(command.c_str()) != 0) return 1;
    }
    return 0;
}
