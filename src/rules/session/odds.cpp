#include "session/odds.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace kararion::session {
namespace {

struct Tally {
    double hits = 0;
    double replays = 0;
    double coins = 0;
};

// The lines of a set in the order they are judged, whatever order they were given in.
std::vector<int> InJudgedOrder(std::vector<int> lines) {
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

int Wrap(int index, std::size_t size) {
    const int n = static_cast<int>(size);
    return ((index % n) + n) % n;
}

// The next combination of stops, the last reel turning fastest; false after the last.
bool NextStops(const std::vector<std::vector<int>>& strips, std::vector<int>& stop) {
    for (std::size_t r = stop.size(); r-- > 0;) {
        if (++stop[r] < static_cast<int>(strips[r].size())) return true;
        stop[r] = 0;
    }
    return false;
}

}  // namespace

MachineOdds WorkOutOdds(const MachineSheet& machine) {
    const std::size_t reels = machine.strips.size();
    std::vector<std::vector<int>> sets;
    for (const std::vector<int>& lines : machine.linesOfBet) sets.push_back(InJudgedOrder(lines));
    sets.push_back(InJudgedOrder(machine.replayLines));
    std::vector<Tally> tallies(sets.size());

    double combinations = reels == 0 ? 0 : 1;
    for (const auto& strip : machine.strips) combinations *= static_cast<double>(strip.size());
    if (combinations == 0) return {};

    // Prizes of the symbols seen so far: the table is asked once per symbol, not once per stop.
    std::vector<std::pair<int, Prize>> prizes;
    auto prizeOf = [&](int symbol) {
        for (const auto& [known, prize] : prizes)
            if (known == symbol) return prize;
        prizes.emplace_back(symbol, machine.prize(symbol));
        return prizes.back().second;
    };

    std::vector<int> stop(reels, 0);  // element each reel stopped at
    std::vector<const Prize*> lineWins(machine.lines.size());
    std::vector<Prize> linePrizes(machine.lines.size());
    do {
        // What each line shows at these stops: a prize, or nothing.
        for (std::size_t l = 0; l < machine.lines.size(); ++l) {
            const std::vector<int>& rows = machine.lines[l];
            int first = 0;
            bool same = true;
            for (std::size_t r = 0; r < reels && same; ++r) {
                const std::vector<int>& strip = machine.strips[r];
                const int symbol = strip[static_cast<std::size_t>(Wrap(stop[r] - rows[r], strip.size()))];
                if (r == 0) first = symbol;
                same = symbol == first;
            }
            lineWins[l] = nullptr;
            if (!same) continue;
            linePrizes[l] = prizeOf(first);
            if (linePrizes[l].coins > 0 || linePrizes[l].replay) lineWins[l] = &linePrizes[l];
        }
        // Only the first winning line of a set pays.
        for (std::size_t s = 0; s < sets.size(); ++s) {
            for (int l : sets[s]) {
                const Prize* win = lineWins[static_cast<std::size_t>(l)];
                if (win == nullptr) continue;
                tallies[s].hits += 1;
                if (win->replay) {
                    tallies[s].replays += 1;
                } else {
                    tallies[s].coins += win->coins;
                }
                break;
            }
        }
    } while (NextStops(machine.strips, stop));

    auto odds = [&](const Tally& t) {
        GameOdds o;
        o.hitRate = t.hits / combinations;
        o.replayRate = t.replays / combinations;
        o.coinsPerGame = t.coins / combinations;
        return o;
    };
    MachineOdds result;
    result.replayGame = odds(tallies.back());
    // A replayed game may replay again: a replay is worth the coins of the
    // whole run of free games it starts.
    const double replayWorth = result.replayGame.replayRate < 1
                                   ? result.replayGame.coinsPerGame / (1 - result.replayGame.replayRate)
                                   : std::numeric_limits<double>::infinity();
    for (std::size_t b = 0; b + 1 < tallies.size(); ++b) {
        GameOdds o = odds(tallies[b]);
        const double bet = static_cast<double>(b + 1);
        o.returnRate = (o.coinsPerGame + (o.replayRate > 0 ? o.replayRate * replayWorth : 0)) / bet;
        result.bets.push_back(o);
    }
    return result;
}

}  // namespace kararion::session
