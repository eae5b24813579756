#pragma once
// Form5's rules: the start entry and the hover colours of the five entries.
// Opening the dialogs and ending the program are the window layer's.
#include "core/game.h"

namespace kararion::Form5 {

void Start_Click(Game& g);
void Start_MouseMove(Game& g);
void Save_MouseMove(Game& g);
void Loading_MouseMove(Game& g);
void Version_MouseMove(Game& g);
void Ended_MouseMove(Game& g);
void Form_MouseMove(Game& g);

}  // namespace kararion::Form5
