#include "bet/bet.h"

#include "core/counters.h"
#include "sound/sounds.h"

namespace kararion::bet {

Betting::Betting(Ground& ground, lamps::BetLamps& lamps) : g_(ground), lamps_(lamps) {}

double Betting::Stake() const { return ReadCounter(g_.counters.Bet); }

void Betting::Announce(bool raised) {
    g_.events.betChanged(BetChange{ReadCounter(g_.counters.Bet), ReadCounter(g_.counters.Coin), raised});
}

void Betting::RaiseBet() {
    Counters& c = g_.counters;
    const double coin = ReadCounter(c.Coin);
    if (coin == 0) {
        g_.fx.Beep();
        return;
    }
    if (ReadCounter(c.Bet) >= 3) {
        g_.fx.Beep();  // the bet is full
    } else if (coin - 1 > -1) {
        sound::PlaySound(g_, sound::Sound::BetUp);
        AddToCounter(c.Bet, 1);
        AddToCounter(c.Coin, -1);
        AddToCounter(c.UsedCoin, 1);
        lamps_.LightBetLamp();
        Announce(true);
    } else {
        g_.fx.Beep();
    }
    startOffered = true;
}

void Betting::LowerBet() {
    Counters& c = g_.counters;
    if (ReadCounter(c.Bet) < 1) {
        g_.fx.Beep();
        return;
    }
    sound::PlaySound(g_, sound::Sound::BetDown);
    AddToCounter(c.Bet, -1);
    AddToCounter(c.Coin, 1);
    AddToCounter(c.UsedCoin, -1);
    lamps_.DimBetLamp();
    if (ReadCounter(c.Bet) == 0) startOffered = false;
    Announce(false);
}

void Betting::LockBet() {
    BetUp.enabled = false;
    BetDown.enabled = false;
    startOffered = false;
}

void Betting::CloseStake() {
    // Through the number rule rather than a literal "0", which GCC 12 at -O2
    // falsely warns may overlap itself (-Wrestrict).
    g_.counters.Bet = WriteCounter(0);
    BetUp.enabled = true;
    BetDown.enabled = true;
    lamps_.DimAllBetLamps();
    if (OutOfCoins(g_.counters)) g_.events.coinsRanOut();
}

}  // namespace kararion::bet
