#pragma once
// The machine's true odds, worked out by going through every combination of
// stop positions, each as likely as the next. The machine comes in plain
// terms (strips of symbol numbers, the lines, a prize for each symbol), so
// that any machine can be worked out, down to one small enough to check on paper.
#include <functional>
#include <vector>

namespace kararion::session {

// What three of a symbol on an open line brings. Neither coins nor a replay: no win.
struct Prize {
    int coins = 0;
    bool replay = false;
};

struct MachineSheet {
    // Per reel, the symbols in strip order. A reel stopped at element p shows p
    // in the top row and the elements before it below (p - 1, p - 2, wrapping).
    std::vector<std::vector<int>> strips;
    // The lines in the order they are judged: for each reel the row (0 = top) the line crosses.
    std::vector<std::vector<int>> lines;
    // For each bet (1, 2, ...): the lines it opens, as indexes into `lines`.
    std::vector<std::vector<int>> linesOfBet;
    // The lines a replayed game is judged on.
    std::vector<int> replayLines;
    std::function<Prize(int symbol)> prize;
};

struct GameOdds {
    double hitRate = 0;       // share of games won, replays included
    double replayRate = 0;    // share of games that replay
    double coinsPerGame = 0;  // coins a game pays by itself
    // Coins paid for each coin staked: what the game pays and what the free
    // games its replays bring pay in turn. Not set for a replayed game, which
    // takes no stake.
    double returnRate = 0;
};

struct MachineOdds {
    std::vector<GameOdds> bets;  // [bet - 1]
    GameOdds replayGame;         // a replayed game, judged on the replay lines
};

MachineOdds WorkOutOdds(const MachineSheet& machine);

}  // namespace kararion::session
