#pragma once
// What the rules say happened, for whoever listens beside them (the data
// counter, the win frame, the announcer). The rules never depend on who listens.
#include <array>
#include <cstdint>
#include <optional>

#include "core/signal.h"
#include "core/symbol.h"

namespace kararion {

struct BetChange {
    double bet;    // the stake now
    double coins;  // the coins left in hand
    bool raised;   // up one coin, or down one
};

struct ReelStop {
    int reel;                      // 1..3
    std::array<Picture, 3> cells;  // top to bottom
};

struct Judgement {
    int line = 0;                  // the winning line 1..5 (top, middle, bottom, falling, rising), 0 for none
    std::optional<Symbol> symbol;  // what won
    std::int32_t coins = 0;        // what it pays
    bool replay = false;           // three replays: the next game starts by itself
    bool Won() const { return line != 0; }
};

struct Restored {
    double coins;  // the coins a load brought back
    double games;  // and the games played with them
};

struct GameEvents {
    Signal<BetChange> betChanged;
    Signal<bool> gameStarted;  // true for a replayed game
    Signal<ReelStop> reelStopped;
    Signal<Judgement> judged;
    Signal<double> payoutFinished;      // the last coin of a payout is counted up: the coins now in hand
    Signal<bool> gameEnded;             // a loss or a replay judged, a payout counted up; true when won
    Signal<Restored> countersReplaced;  // a load wrote all six saved counters
    Signal<> coinsRanOut;               // no coins in hand and none staked: nothing more can be played
};

}  // namespace kararion
