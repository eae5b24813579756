#pragma once
// The stake: raising and lowering it, and the information window's bet
// buttons. Betting is open between games only: the game phase says when.
#include "core/caption.h"
#include "core/ground.h"
#include "lamps/bet_lamps.h"

namespace kararion::bet {

class Betting {
public:
    Betting(Ground& ground, lamps::BetLamps& lamps);

    Count Stake() const { return g_.counters().Bet(); }  // the coins on the stake now
    // Whether the stake may change now (the bet buttons are offered).
    bool Open() const { return g_.gamePhase().Allows(Command::RaiseBet); }

    void RaiseBet();  // one coin from Coin onto the stake (beeps at 3 or with no coins)
    void LowerBet();  // one coin back (beeps at 0)
    // A game's close: the stake is spent and the bet lamps go dark.
    void CloseStake();

    // The information window's buttons. A greyed label takes no click and no pointer move.
    void ClickBetUp() { RaiseBet(); }
    void ClickBetDown() { LowerBet(); }
    void HoverBetUp();
    void HoverBetDown();
    void HoverBackground();  // pointer over the bare window background

    Caption BetUp() const { return {Open(), betUpColour_}; }
    Caption BetDown() const { return {Open(), betDownColour_}; }

private:
    void Announce(bool raised);

    Ground& g_;
    lamps::BetLamps& lamps_;
    Colour betUpColour_ = kDefaultText;
    Colour betDownColour_ = kDefaultText;
};

}  // namespace kararion::bet
