#include "bet/bet_buttons.h"

#include "bet/bet.h"

namespace kararion::info {

// A disabled label takes no click and no pointer move.

void ClickBetUp(Game& g) {
    if (g.info.BetUp.enabled) betting::RaiseBet(g);
}

void ClickBetDown(Game& g) {
    if (g.info.BetDown.enabled) betting::LowerBet(g);
}

void HoverBetUp(Game& g) {
    if (!g.info.BetUp.enabled) return;
    g.info.BetUp.foreColor = kRed;
    g.info.BetDown.foreColor = kBlack;
}

void HoverBetDown(Game& g) {
    if (!g.info.BetDown.enabled) return;
    g.info.BetDown.foreColor = kRed;
    g.info.BetUp.foreColor = kBlack;
}

void HoverBackground(Game& g) {
    g.info.BetUp.foreColor = kBlack;
    g.info.BetDown.foreColor = kBlack;
}

}  // namespace kararion::info
