#include "bet/bet.h"

#include "sound/sounds.h"

namespace kararion::bet {

Betting::Betting(Ground& ground, lamps::BetLamps& lamps) : g_(ground), lamps_(lamps) {}

void Betting::Announce(bool raised) {
    g_.events_.betChanged(BetChange{g_.counters().Bet(), g_.counters().Coin(), raised});
}

void Betting::RaiseBet() {
    // Refused by the phase as a greyed button refuses a click: without a sound.
    if (!Open()) return g_.Refuse(Command::RaiseBet, Reason::NotNow, false);
    const Counters& c = g_.counters();
    if (c.Coin() <= 0) return g_.Refuse(Command::RaiseBet, Reason::NoCoins, true);
    if (c.Bet() >= 3) return g_.Refuse(Command::RaiseBet, Reason::StakeFull, true);
    if (!c.RoomToStake()) return g_.Refuse(Command::RaiseBet, Reason::CountersFull, true);
    sound::PlaySound(g_, sound::Sound::BetUp);
    g_.counters_.StakeCoin();
    lamps_.LightBetLamp();
    Announce(true);
}

void Betting::LowerBet() {
    if (!Open()) return g_.Refuse(Command::LowerBet, Reason::NotNow, false);
    if (g_.counters().Bet() < 1) return g_.Refuse(Command::LowerBet, Reason::NothingStaked, true);
    sound::PlaySound(g_, sound::Sound::BetDown);
    g_.counters_.TakeBackCoin();
    lamps_.DimBetLamp();
    Announce(false);
}

void Betting::CloseStake() {
    g_.counters_.ClearStake();
    lamps_.DimAllBetLamps();
}

}  // namespace kararion::bet
