#include "bet/bet.h"

#include "core/counters.h"
#include "lamps/bet_lamps.h"
#include "sound/sounds.h"

namespace kararion::BetC {

void RaiseBet(Game& g) {
    const double coin = ReadCounter(g.form6.Coin);
    if (coin == 0) {
        g.fx.Beep();
        return;
    }
    if (ReadCounter(g.form6.Bet) >= 3) {
        g.fx.Beep();  // the bet is full
    } else if (coin - 1 > -1) {
        Se::PlaySound(g, "BetUp");
        AddToCounter(g.form6.Bet, 1);
        AddToCounter(g.form6.Coin, -1);
        AddToCounter(g.form6.UsedCoin, 1);
        BetLedC::LightBetLamp(g);
    } else {
        g.fx.Beep();
    }
    g.form5.Start.enabled = true;
}

void LowerBet(Game& g) {
    if (ReadCounter(g.form6.Bet) < 1) {
        g.fx.Beep();
        return;
    }
    Se::PlaySound(g, "BetDown");
    AddToCounter(g.form6.Bet, -1);
    AddToCounter(g.form6.Coin, 1);
    AddToCounter(g.form6.UsedCoin, -1);
    BetLedC::DimBetLamp(g);
    if (ReadCounter(g.form6.Bet) == 0) g.form5.Start.enabled = false;
}

}  // namespace kararion::BetC
