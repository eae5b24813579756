#pragma once
#include "core/game.h"

namespace kararion::spin {

// One step of a reel: the symbols move down one row and a new one enters at the top.
void SpinReel1(Game& g);
void SpinReel2(Game& g);
void SpinReel3(Game& g);

}  // namespace kararion::spin
