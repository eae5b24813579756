#pragma once
// Form6's handlers: the bet buttons and their hover colours.
#include "core/game.h"

namespace kararion::Form6 {

void BetUp_Click(Game& g);
void BetDown_Click(Game& g);
void BetUp_MouseMove(Game& g);
void BetDown_MouseMove(Game& g);
void Form_MouseMove(Game& g);  // pointer over the bare window background

}  // namespace kararion::Form6
