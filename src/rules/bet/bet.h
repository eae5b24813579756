#pragma once
#include "core/game.h"

namespace kararion::betting {

void RaiseBet(Game& g);  // one coin from Coin onto the bet (beeps at 3 or with no coins)
void LowerBet(Game& g);  // one coin back (beeps at 0)

}  // namespace kararion::betting
