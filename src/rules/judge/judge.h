#pragma once
// The judgement of the lines when the last reel stops, the payout, and the
// coin-by-coin count-up that closes a won game (or starts a replay).
#include <cstdint>
#include <string>

#include "bet/bet.h"
#include "core/ground.h"
#include "core/symbol.h"
#include "core/timer.h"
#include "lamps/bet_lamps.h"
#include "paytable/paytable.h"

namespace kararion::judge {

// What the payout counter holds besides a number of coins still to pay.
using paytable::kReplayPayout;             // three replays: the next game starts at once
constexpr std::int32_t kClosingTick = -1;  // everything is paid: this tick closes the game

enum class CountUp { GoesOn, Replay };

class Judge {
public:
    Judge(Ground& ground, lamps::BetLamps& lamps, bet::Betting& betting);

    // Judges the nine symbols in view on the lines the left bet lamps open.
    void JudgeLines(const Cells& cells);
    // Prices the win from the symbol in the first reel's cell of `row` and starts
    // the count-up and the win sound.
    void AwardPayout(const Cells& cells, std::int32_t row);
    // One count-up tick: one coin, the closing of the game, or - for a replay -
    // all bet lamps lit and the count-up stopped; the caller then starts the
    // replayed game.
    [[nodiscard]] CountUp CountUpCoins();
    // A payout cut short by the player: every coin still owed is paid at once
    // and the game closed, or - for a replay - the replay's tick runs now.
    [[nodiscard]] CountUp FinishPayout();
    void PlayWinSound();  // the win sound's one tick
    void ReportJudgeError(const std::string& message);

    // A won game's payout is still being counted up (or its replay is yet to start).
    bool CountingUp() const { return coinUpTimer.Enabled(); }

    std::int32_t Payout = 0;       // coins still to count up, or kReplayPayout
    std::int32_t winningLine = 0;  // the line the bet lamps flash, 1..5
    GameTimer coinUpTimer;         // one coin of a payout a tick
    GameTimer winSoundTimer;       // the win sound, once

private:
    void CloseGame();

    Ground& g_;
    lamps::BetLamps& lamps_;
    bet::Betting& betting_;
};

}  // namespace kararion::judge
