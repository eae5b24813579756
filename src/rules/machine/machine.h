#pragma once
// The machine on top of the rules: the program's start and end, what a click
// on the main window runs and where every timer's tick goes. The docking of
// the side windows is the window layer's own (it follows move events).
#include "machine/game.h"

namespace kararion::machine {

// The program's start: every timer's tick sent to its rule, the start values
// written, the stop buttons disabled. Once per game, before anything else.
void StartProgram(Game& g);
// At once, without saving: every timer stops, so no rule runs again.
void EndProgram(Game& g);
void ClickBackground(Game& g);  // the seven-step cycle: three bets, a start, three stops
void ClickStop(Game& g, int reel);

}  // namespace kararion::machine
