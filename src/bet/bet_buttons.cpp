#include "bet/bet_buttons.h"

#include "bet/bet.h"

namespace kararion::Form6 {

// A disabled label takes no click and no pointer move.

void BetUp_Click(Game& g) {
    if (g.form6.BetUp.enabled) BetC::RaiseBet(g);
}

void BetDown_Click(Game& g) {
    if (g.form6.BetDown.enabled) BetC::LowerBet(g);
}

void BetUp_MouseMove(Game& g) {
    if (!g.form6.BetUp.enabled) return;
    g.form6.BetUp.foreColor = kRed;
    g.form6.BetDown.foreColor = kBlack;
}

void BetDown_MouseMove(Game& g) {
    if (!g.form6.BetDown.enabled) return;
    g.form6.BetDown.foreColor = kRed;
    g.form6.BetUp.foreColor = kBlack;
}

void Form_MouseMove(Game& g) {
    g.form6.BetUp.foreColor = kBlack;
    g.form6.BetDown.foreColor = kBlack;
}

}  // namespace kararion::Form6
