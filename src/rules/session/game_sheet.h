#pragma once
// The one place where the odds meet this game: its strips as the reels read
// them, its payout table and its lines, in the plain terms of a MachineSheet.
#include "reels/reels.h"
#include "session/odds.h"

namespace kararion::session {

// Reads the strip texts the reels spin on; everything else is the game's table.
MachineSheet SheetOfGame(const reels::Reels& reels);

}  // namespace kararion::session
