// Time from process start to the first painted main window. The benchmark
// starts itself as a child several times; the child notes the monotonic clock
// when the main window has painted, the parent when it spawned the child.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_env.h"
#include "ui/seams/real_game.h"
#include "ui/windows/main_window.h"

extern char** environ;

namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::int64_t mainEntered) : mainEntered_(mainEntered) {}
    std::int64_t built = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once this paint event has been handled, the window is drawn.
            QTimer::singleShot(0, [this] {
                std::printf("%lld %lld %lld\n", static_cast<long long>(mainEntered_), static_cast<long long>(built),
                            static_cast<long long>(kararion::bench::MonotonicNs()));
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

private:
    std::int64_t mainEntered_;
    bool seen_ = false;
};

int Child(int argc, char* argv[]) {
    const std::int64_t entered = kararion::bench::MonotonicNs();
    QApplication app(argc, argv);
    kararion::ui::RealGame game(KARARION_PROGRAM_DIR);
    FirstPaint probe(entered);
    game.windows().mainWindow()->installEventFilter(&probe);
    game.Start();
    probe.built = kararion::bench::MonotonicNs();
    return QApplication::exec();
}

// The yardstick: an empty Qt window of the same size, nothing else.
int BareChild(int argc, char* argv[]) {
    const std::int64_t entered = kararion::bench::MonotonicNs();
    QApplication app(argc, argv);
    QWidget window;
    window.resize(192, 140);
    FirstPaint probe(entered);
    window.installEventFilter(&probe);
    window.show();
    probe.built = kararion::bench::MonotonicNs();
    return QApplication::exec();
}

struct Run {
    double toMain, toShown, toPaint;  // ms from spawn
};

bool SpawnOnce(const char* self, const char* mode, Run& run) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const std::int64_t spawned = kararion::bench::MonotonicNs();
    const int error = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (error != 0) {
        close(fds[0]);
        return false;
    }
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long entered = 0, built = 0, painted = 0;
    if (std::sscanf(out.c_str(), "%lld %lld %lld", &entered, &built, &painted) != 3) return false;
    auto ms = [spawned](long long at) { return static_cast<double>(at - spawned) / 1e6; };
    run = {ms(entered), ms(built), ms(painted)};
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    kararion::bench::UseOffscreenUnlessTold();
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) return Child(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--bare-child") == 0) return BareChild(argc, argv);

    constexpr int kRuns = 9;
    std::vector<Run> runs;
    std::vector<Run> bare;
    for (int i = 0; i < kRuns; ++i) {
        Run run{};
        if (SpawnOnce("/proc/self/exe", "--child", run)) runs.push_back(run);
        if (SpawnOnce("/proc/self/exe", "--bare-child", run)) bare.push_back(run);
    }
    if (runs.empty() || bare.empty()) {
        std::printf("no run reported a painted window\n");
        return 1;
    }
    auto median = [&](double Run::*field, const std::vector<Run>& of) {
        std::vector<double> values;
        values.reserve(of.size());
        for (const Run& r : of) values.push_back(r.*field);
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    auto best = [&](double Run::*field, const std::vector<Run>& of) {
        double low = of.front().*field;
        for (const Run& r : of) low = std::min(low, r.*field);
        return low;
    };
    std::printf("platform                         %s\n", qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("runs                             %zu\n", runs.size());
    std::printf("spawn -> main()                  median %7.1f ms, best %7.1f ms\n", median(&Run::toMain, runs),
                best(&Run::toMain, runs));
    std::printf("spawn -> windows built and shown median %7.1f ms, best %7.1f ms\n", median(&Run::toShown, runs),
                best(&Run::toShown, runs));
    std::printf("spawn -> main window painted     median %7.1f ms, best %7.1f ms (goal < 150 ms)\n",
                median(&Run::toPaint, runs), best(&Run::toPaint, runs));
    std::printf("spawn -> bare Qt window painted  median %7.1f ms, best %7.1f ms (the yardstick)\n",
                median(&Run::toPaint, bare), best(&Run::toPaint, bare));
    return 0;
}
