#pragma once
// The information window's rules: the bet buttons and their hover colours.
#include "core/game.h"

namespace kararion::info {

void ClickBetUp(Game& g);
void ClickBetDown(Game& g);
void HoverBetUp(Game& g);
void HoverBetDown(Game& g);
void HoverBackground(Game& g);  // pointer over the bare window background

}  // namespace kararion::info
