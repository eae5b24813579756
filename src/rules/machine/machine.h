#pragma once
// The machine on top of the rules: the program's start and end, what a click
// on the main window runs and where every timer's tick goes, all members of
// the Game. The docking of the side windows is the window layer's own (it
// follows move events).
#include "machine/game.h"
