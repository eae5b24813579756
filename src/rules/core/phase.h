#pragma once
// The one game phase: where the machine stands between one game and the
// next. Every command a player can reach asks it, whoever sends the command.
#include <cstdint>

namespace kararion {

namespace machine {
class Game;
}

enum class Phase {
    BetweenGames,  // nothing staked, nothing under way
    Staked,        // coins on the stake, the reels at rest
    Spinning,      // from the start until the last stop is judged
    PayingOut,     // a win's coins being counted up
    Replay,        // three replays judged: the free game starts at the next tick
};

// What a player can ask of the machine that the phase may refuse.
enum class Command { RaiseBet, LowerBet, Start, Stop, Save, Load, StartAfresh };

// Whether `command` may run in `phase`.
constexpr bool Allows(Phase phase, Command command) {
    switch (command) {
        case Command::RaiseBet:
        case Command::LowerBet: return phase == Phase::BetweenGames || phase == Phase::Staked;
        case Command::Start: return phase == Phase::Staked;
        case Command::Stop: return phase == Phase::Spinning;
        case Command::Save:
        case Command::Load:
        case Command::StartAfresh: return phase == Phase::BetweenGames;
    }
    return false;
}

// From the start until the last stop is judged and its payout counted up,
// a replay's free game included.
constexpr bool GameUnderWay(Phase phase) {
    return phase == Phase::Spinning || phase == Phase::PayingOut || phase == Phase::Replay;
}

// Why a command did not run.
enum class Reason {
    NotNow,         // the phase does not allow it
    StakeFull,      // three coins staked already
    NoCoins,        // no coin in hand to stake
    NothingStaked,  // no coin on the stake to take back
    CountersFull,   // a counter would pass its largest value
    ReelStopped,    // that reel has stopped already
    NoName,         // an empty save name
    CoinsLeft,      // starting afresh while coins remain
};

struct Refusal {
    Command command;
    Reason reason;
    Phase phase;  // the phase it was refused in
};

// The phase as it stands. Everyone reads it; only the machine moves it.
class GamePhase {
public:
    Phase Now() const { return now_; }
    bool Allows(Command command) const { return kararion::Allows(now_, command); }
    bool GameUnderWay() const { return kararion::GameUnderWay(now_); }

private:
    friend class machine::Game;
    Phase now_ = Phase::BetweenGames;
};

}  // namespace kararion
