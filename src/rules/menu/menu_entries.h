#pragma once
// The menu window's rules: the start entry and the hover colours of the five entries.
// Opening the dialogs and ending the program are the window layer's.
#include "core/game.h"

namespace kararion::menu {

void ClickStart(Game& g);
void HoverStart(Game& g);
void HoverSave(Game& g);
void HoverLoading(Game& g);
void HoverVersion(Game& g);
void HoverEnded(Game& g);
void HoverBackground(Game& g);

}  // namespace kararion::menu
