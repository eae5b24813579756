// Whole games per second on the virtual clock: bet, start, three stops after a
// spin, and the payout counted up to the end.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "bet/bet.h"
#include "core/counters.h"
#include "core/virtual_clock.h"
#include "machine/game.h"
#include "menu/menu_entries.h"
#include "setup/recording_effects.h"

namespace kararion {
namespace {

void BM_WholeGames(benchmark::State& state) {
    RecordingEffects fx;
    fx.keepLog = false;
    VirtualClock clock;
    auto game = std::make_unique<Game>(fx, clock, "/opt/kararion");
    game->StartProgram();
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pause(0, 300);
    for (auto _ : state) {
        Game& g = *game;
        g.ClickBetUp();
        if (!g.menu().Enabled(menu::Entry::Start)) {  // broke: a fresh machine
            game = std::make_unique<Game>(fx, clock, "/opt/kararion");
            game->StartProgram();
            continue;
        }
        g.ClickStart();
        while (g.reels().AnyReelSpinning() || g.judge().CountUpTimer().Enabled()) {
            clock.Advance(pause(rng));
            g.ClickStop(1);
            g.ClickStop(2);
            g.ClickStop(3);
            clock.AdvanceUntil([&] { return !g.judge().CountUpTimer().Enabled(); }, 5000);
        }
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGames)->MinTime(2.0);

}  // namespace
}  // namespace kararion
