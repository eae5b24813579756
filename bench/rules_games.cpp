// Whole games per second on the virtual clock: bet, start, three stops after a
// spin, and the payout counted up to the end.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "bet/bet_buttons.h"
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
    Form1::Form_Load(*game);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pause(0, 300);
    for (auto _ : state) {
        Game& g = *game;
        Form6::BetUp_Click(g);
        if (!g.form5.Start.enabled) {  // broke: a fresh machine
            game = std::make_unique<Game>(fx, clock, "/opt/kararion");
            Form1::Form_Load(*game);
            continue;
        }
        Form5::Start_Click(g);
        while (g.form1.SLT1.Enabled() || g.form1.SLT2.Enabled() || g.form1.SLT3.Enabled() || g.form1.CoinUp.Enabled()) {
            clock.Advance(pause(rng));
            Form1::Stop1_Click(g);
            Form1::Stop2_Click(g);
            Form1::Stop3_Click(g);
            clock.AdvanceUntil([&] { return !g.form1.CoinUp.Enabled(); }, 5000);
        }
    }
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGames)->MinTime(2.0);

}  // namespace
}  // namespace kararion
