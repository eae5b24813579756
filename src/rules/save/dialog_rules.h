#pragma once
// The rules of the save dialog and the load dialog.
#include <string>

#include "core/game.h"

namespace kararion::save_dialog {
void Open(Game& g);                               // "NewData", a fresh list of the data folder
void PickFile(Game& g, const std::string& file);  // the name up to its first dot
void ClickSave(Game& g);                          // beep on an empty name, else SaveGame
void HoverSave(Game& g);
void HoverCancel(Game& g);
void HoverBackground(Game& g);
}  // namespace kararion::save_dialog

namespace kararion::load_dialog {
void Open(Game& g);
void PickFile(Game& g, const std::string& file);
void ClickLoad(Game& g);  // beep on an empty name, else LoadGame
void HoverLoad(Game& g);
void HoverCancel(Game& g);
void HoverBackground(Game& g);
}  // namespace kararion::load_dialog
