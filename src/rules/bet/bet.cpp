#include "bet/bet.h"

#include "core/counters.h"
#include "lamps/bet_lamps.h"
#include "sound/sounds.h"

namespace kararion::betting {

void RaiseBet(Game& g) {
    const double coin = ReadCounter(g.info.Coin);
    if (coin == 0) {
        g.fx.Beep();
        return;
    }
    if (ReadCounter(g.info.Bet) >= 3) {
        g.fx.Beep();  // the bet is full
    } else if (coin - 1 > -1) {
        sound::PlaySound(g, "BetUp");
        AddToCounter(g.info.Bet, 1);
        AddToCounter(g.info.Coin, -1);
        AddToCounter(g.info.UsedCoin, 1);
        bet_lamps::LightBetLamp(g);
    } else {
        g.fx.Beep();
    }
    g.menu.Start.enabled = true;
}

void LowerBet(Game& g) {
    if (ReadCounter(g.info.Bet) < 1) {
        g.fx.Beep();
        return;
    }
    sound::PlaySound(g, "BetDown");
    AddToCounter(g.info.Bet, -1);
    AddToCounter(g.info.Coin, 1);
    AddToCounter(g.info.UsedCoin, -1);
    bet_lamps::DimBetLamp(g);
    if (ReadCounter(g.info.Bet) == 0) g.menu.Start.enabled = false;
}

}  // namespace kararion::betting
