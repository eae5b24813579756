#pragma once
// The stake: raising and lowering it, its lock while a game runs, and the
// information window's bet buttons.
#include "core/caption.h"
#include "core/ground.h"
#include "lamps/bet_lamps.h"

namespace kararion::bet {

class Betting {
public:
    Betting(Ground& ground, lamps::BetLamps& lamps);

    double Stake() const;  // the coins on the stake now
    void RaiseBet();       // one coin from Coin onto the stake (beeps at 3 or with no coins)
    void LowerBet();       // one coin back (beeps at 0)

    // A game's start freezes the stake; its close clears it and lets the player bet again.
    void LockBet();
    void CloseStake();

    // The information window's buttons. A disabled label takes no click and no pointer move.
    void ClickBetUp();
    void ClickBetDown();
    void HoverBetUp();
    void HoverBetDown();
    void HoverBackground();  // pointer over the bare window background

    Caption BetUp;
    Caption BetDown;
    // Whether a stake offers the menu's スタート: a bet offers it, taking the
    // stake back to 0 or starting the game withdraws it.
    bool startOffered = false;

private:
    void Announce(bool raised);

    Ground& g_;
    lamps::BetLamps& lamps_;
};

}  // namespace kararion::bet
