// Whole games per second on the virtual clock: bet, start, three stops after a
// spin, and the payout counted up to the end.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "bet/bet.h"
#include "core/counters.h"
#include "core/virtual_clock.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"

namespace kararion {
namespace {

void BM_WholeGames(benchmark::State& state) {
    RecordingEffects fx;
    fx.keepLog = false;
    VirtualClock clock;
    auto game = std::make_unique<Game>(fx, clock, "/opt/kararion");
    machine::StartProgram(*game);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pause(0, 300);
    for (auto _ : state) {
        Game& g = *game;
        g.betting.ClickBetUp();
        if (!g.menu.Enabled(menu::Entry::Start)) {  // broke: a fresh machine
            game = std::make_unique<Game>(fx, clock, "/opt/kararion");
            machine::StartProgram(*game);
            continue;
        }
        g.menu.ClickStart();
        while (g.reels.AnyReelSpinning() || g.judge.coinUpTimer.Enabled()) {
            clock.Advance(pause(rng));
            machine::ClickStop(g, 1);
            machine::ClickStop(g, 2);
            machine::ClickStop(g, 3);
            clock.AdvanceUntil([&] { return !g.judge.coinUpTimer.Enabled(); }, 5000);
        }
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGames)->MinTime(2.0);

}  // namespace
}  // namespace kararion
