#pragma once
// The one place where the odds meet this game: its strips as the reels read
// them, its payout table and its lines, in the plain terms of a MachineSheet.
#include "core/game.h"
#include "session/odds.h"

namespace kararion::session {

// Reads the strip texts the reels spin on; everything else is the game's fixed rules.
MachineSheet SheetOfGame(Game& g);

}  // namespace kararion::session
