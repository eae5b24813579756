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

enum class CountUp { GoesOn, Replay };

class Judge {
public:
    Judge(Ground& ground, lamps::BetLamps& lamps, bet::Betting& betting);

    // Judges the nine symbols in view on the lines the left bet lamps open.
    void JudgeLines(const Cells& cells);
    // Prices the win from the symbol in the first reel's cell of `row` and starts
    // the count-up and the win sound.
    void AwardPayout(const Cells& cells, std::int32_t row);
    // One count-up tick: one coin, the closing of the game once all is paid,
    // or - for a replay - all bet lamps lit and the count-up stopped; the
    // caller then starts the replayed game.
    [[nodiscard]] CountUp CountUpCoins();
    // A payout cut short by the player: every coin still owed is paid at once
    // and the game closed, or - for a replay - the replay's tick runs now.
    [[nodiscard]] CountUp FinishPayout();
    void PlayWinSound();  // the win sound's one tick
    // The message, then the count-up abandoned and the game closed, so that
    // the next one can be bet.
    void ReportJudgeError(const std::string& message);

    std::int32_t CoinsOwed() const { return coinsOwed_; }      // coins of the payout still to count up
    std::int32_t WinningLine() const { return winningLine_; }  // the line the bet lamps flash, 1..5
    const GameTimer& CountUpTimer() const { return coinUpTimer_; }
    const GameTimer& WinSoundTimer() const { return winSoundTimer_; }

private:
    friend class machine::Game;
    friend class machine::GameSetup;

    void CloseGame();

    Ground& g_;
    lamps::BetLamps& lamps_;
    bet::Betting& betting_;
    std::int32_t coinsOwed_ = 0;
    std::int32_t winningLine_ = 0;
    GameTimer coinUpTimer_;    // one coin of a payout a tick
    GameTimer winSoundTimer_;  // the win sound, once
};

}  // namespace kararion::judge
