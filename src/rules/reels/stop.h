#pragma once
#include "core/game.h"

namespace kararion::stop {

// Stops a reel where it stands; the third stop of a game judges it.
void StopReel1(Game& g);
void StopReel2(Game& g);
void StopReel3(Game& g);

}  // namespace kararion::stop
