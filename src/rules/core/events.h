#pragma once
// What the rules say happened, for whoever listens beside them (the data
// counter, the win frame, the announcer). The rules never depend on who
// listens. Each event is sent by the one module that owns it.
#include <array>
#include <cstdint>
#include <optional>

#include "core/counters.h"
#include "core/phase.h"
#include "core/signal.h"
#include "core/symbol.h"

namespace kararion {

class Ground;
namespace bet {
class Betting;
}
namespace reels {
class Reels;
}
namespace judge {
class Judge;
}
namespace save {
class SaveFiles;
}

struct BetChange {
    Count bet;    // the stake now
    Count coins;  // the coins left in hand
    bool raised;  // up one coin, or down one
};

struct ReelStop {
    int reel;                      // 1..3
    std::array<Picture, 3> cells;  // top to bottom
};

struct Judgement {
    int line = 0;  // the winning line 1..5 (top, middle, bottom, falling, rising), 0 for none
    std::optional<Symbol> symbol = std::nullopt;  // what won
    std::int32_t coins = 0;                       // what it pays
    bool replay = false;                          // three replays: the next game starts by itself
    Count coinsAfter = 0;                         // the coins in hand once the payout is counted up
    bool Won() const { return line != 0; }
};

struct Restored {
    Count coins;  // the coins a load brought back
    Count games;  // and the games played with them
};

struct GameEvents {
    Signal<bet::Betting, BetChange> betChanged;
    Signal<reels::Reels, bool> gameStarted;  // true for a replayed game
    Signal<reels::Reels, ReelStop> reelStopped;
    Signal<judge::Judge, Judgement> judged;
    Signal<judge::Judge, Count> payoutFinished;          // the last coin counted up: the coins now in hand
    Signal<save::SaveFiles, Restored> countersReplaced;  // a load wrote all six saved counters
    Signal<machine::Game, Restored> startedAfresh;       // はじめから: the start values again
    Signal<machine::Game> coinsRanOut;                   // no coins in hand and none staked: nothing more to play
    Signal<machine::Game, Phase> phaseChanged;
    Signal<Ground, Refusal> refused;  // a command that did not run, and why
};

}  // namespace kararion
