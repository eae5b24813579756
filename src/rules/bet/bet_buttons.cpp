#include "bet/bet.h"

namespace kararion::bet {

void Betting::HoverBetUp() {
    if (!Open()) return;
    betUpColour_ = kRed;
    betDownColour_ = kBlack;
}

void Betting::HoverBetDown() {
    if (!Open()) return;
    betDownColour_ = kRed;
    betUpColour_ = kBlack;
}

void Betting::HoverBackground() {
    betUpColour_ = kBlack;
    betDownColour_ = kBlack;
}

}  // namespace kararion::bet
