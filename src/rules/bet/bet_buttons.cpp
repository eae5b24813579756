#include "bet/bet.h"

namespace kararion::bet {

void Betting::ClickBetUp() {
    if (BetUp.enabled) RaiseBet();
}

void Betting::ClickBetDown() {
    if (BetDown.enabled) LowerBet();
}

void Betting::HoverBetUp() {
    if (!BetUp.enabled) return;
    BetUp.foreColor = kRed;
    BetDown.foreColor = kBlack;
}

void Betting::HoverBetDown() {
    if (!BetDown.enabled) return;
    BetDown.foreColor = kRed;
    BetUp.foreColor = kBlack;
}

void Betting::HoverBackground() {
    BetUp.foreColor = kBlack;
    BetDown.foreColor = kBlack;
}

}  // namespace kararion::bet
