// The machine's theoretical return for each bet, worked out from its strips,
// beside the return of 10,000 randomly stopped games a bet on the virtual
// clock. Prints figures; passes or fails nothing. With --readme it writes
// them into the README's table of the machine's odds instead.
//
// Usage: session_figures [--readme README.md] [games per bet] [seed]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bet/bet.h"
#include "core/virtual_clock.h"
#include "machine/game.h"
#include "menu/menu_entries.h"
#include "session/game_sheet.h"
#include "session/session_record.h"
#include "setup/game_setup.h"
#include "setup/recording_effects.h"

namespace kararion {
namespace {

double OneIn(double rate) { return rate > 0 ? 1 / rate : 0; }

struct Played {
    int games;
    int wins;
    double staked;
    double paid;
};

// Plays `games` games at `bet`, each reel stopped after a random wait, on a
// purse deep enough never to run dry.
Played Play(int bet, int games, std::mt19937& rng) {
    RecordingEffects fx;
    fx.keepLog = false;
    VirtualClock clock;
    Game g(fx, clock, "/opt/kararion");
    g.StartProgram();
    machine::GameSetup(g).SetCoins(100000000);
    session::SessionRecord record(g.events(), g.counters());
    record.StartSession();
    const session::History& history = record.history();

    std::uniform_int_distribution<int> wait(0, 1999);
    auto spinning = [&] { return g.reels().AnyReelSpinning(); };
    while (history.Games() < games) {
        // A replay has started the next game by itself.
        if (!spinning()) {
            for (int i = 0; i < bet; ++i) g.ClickBetUp();
            g.ClickStart();
        }
        clock.Advance(wait(rng));
        g.ClickStop(1);
        clock.Advance(wait(rng));
        g.ClickStop(2);
        clock.Advance(wait(rng));
        g.ClickStop(3);
        clock.AdvanceUntil([&] { return !g.judge().CountUpTimer().Enabled(); }, 5000);
    }
    return {history.Games(), history.Wins(), history.Staked(), history.Paid()};
}

// "1/20", "1/15.4": one in so many games, to two decimals where it is not whole.
std::string OneInText(double rate) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", OneIn(rate));
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return "1/" + s;
}

// The rows of the README's table "| bet | return | hit rate | replay | N games |",
// each replaced by the figures; the rest of the file as it stands.
int WriteReadme(const char* path, const session::MachineOdds& odds, const std::vector<double>& played) {
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "session_figures: cannot read %s\n", path);
        return 1;
    }
    std::ostringstream out;
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        for (std::size_t b = 0; b < odds.bets.size(); ++b) {
            if (line.rfind("| " + std::to_string(b + 1) + " | ", 0) != 0 || line.find(" % |") == std::string::npos)
                continue;
            const session::GameOdds& o = odds.bets[b];
            char row[160];
            std::snprintf(row, sizeof row, "| %zu | %.2f %% | %s | %s | %.2f %% |", b + 1, 100 * o.returnRate,
                          OneInText(o.hitRate).c_str(), OneInText(o.replayRate).c_str(), 100 * played[b]);
            line = row;
            ++rows;
        }
        out << line << '\n';
    }
    in.close();
    if (rows != static_cast<int>(odds.bets.size())) {
        std::fprintf(stderr, "session_figures: %s has %d rows of the odds table, not %zu\n", path, rows,
                     odds.bets.size());
        return 1;
    }
    std::ofstream(path) << out.str();
    std::printf("session_figures: the odds table in %s\n", path);
    return 0;
}

}  // namespace
}  // namespace kararion

int main(int argc, char* argv[]) {
    using namespace kararion;
    const char* readme = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--readme") == 0) {
        readme = argv[2];
        argc -= 2;
        argv += 2;
    }
    const int games = argc > 1 ? std::atoi(argv[1]) : 10000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 2024;
    RecordingEffects fx;
    VirtualClock clock;
    Game g(fx, clock, "/opt/kararion");
    const session::MachineOdds odds = session::WorkOutOdds(session::SheetOfGame(g.reels()));
    if (readme != nullptr) {
        std::mt19937 rng(seed);
        std::vector<double> played;
        for (int bet = 1; bet <= 3; ++bet) {
            const Played p = Play(bet, games, rng);
            played.push_back(p.paid / p.staked);
        }
        return WriteReadme(readme, odds, played);
    }

    std::printf("worked out over all 1000 stops; a replay's free games count in the return\n");
    std::printf("%-12s %10s %14s %10s %10s\n", "", "return", "w/o replays", "hit", "replay");
    for (std::size_t b = 0; b < odds.bets.size(); ++b) {
        const session::GameOdds& o = odds.bets[b];
        std::printf("bet %-8zu %9.2f%% %13.2f%% %6s1/%-5.2f %4s1/%-5.2f\n", b + 1, 100 * o.returnRate,
                    100 * o.coinsPerGame / static_cast<double>(b + 1), "", OneIn(o.hitRate), "", OneIn(o.replayRate));
    }
    std::printf("%-12s %10s %13.2f    %6s1/%-5.2f %4s1/%-5.2f  (coins per game)\n", "replay game", "",
                odds.replayGame.coinsPerGame, "", OneIn(odds.replayGame.hitRate), "",
                OneIn(odds.replayGame.replayRate));

    std::printf("\n%d randomly stopped games a bet on the virtual clock (seed %u), replayed games included\n", games,
                seed);
    std::mt19937 rng(seed);
    for (int bet = 1; bet <= 3; ++bet) {
        const Played p = Play(bet, games, rng);
        std::printf("bet %d: %d games, %d wins (1/%.2f), staked %.0f, paid %.0f, return %.2f%% (worked out %.2f%%)\n",
                    bet, p.games, p.wins, p.wins > 0 ? p.games / static_cast<double>(p.wins) : 0.0, p.staked, p.paid,
                    100 * p.paid / p.staked, 100 * odds.bets[static_cast<std::size_t>(bet - 1)].returnRate);
    }
    return 0;
}
