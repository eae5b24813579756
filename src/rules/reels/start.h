#pragma once
#include "core/game.h"

namespace kararion::start {

// Freezes the bet, sets the reels spinning, arms the stop buttons, counts the
// game and starts the reel lamp chase. Checks nothing: the guards are the callers'.
void StartGame(Game& g);

}  // namespace kararion::start
