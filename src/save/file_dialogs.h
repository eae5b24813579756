#pragma once
// The rules of the save dialog (Form2) and the load dialog (Form3).
#include <string>

#include "core/game.h"

namespace kararion::Form2 {
void Form_Load(Game& g);                             // "NewData", a fresh list of the data folder
void File1_Click(Game& g, const std::string& file);  // the name up to its first dot
void Save_Click(Game& g);                            // beep on an empty name, else SaveGame
void Save_MouseMove(Game& g);
void Cancel_MouseMove(Game& g);
void Form_MouseMove(Game& g);
}  // namespace kararion::Form2

namespace kararion::Form3 {
void Form_Load(Game& g);
void File1_Click(Game& g, const std::string& file);
void Loaded_Click(Game& g);
void Loaded_MouseMove(Game& g);
void Cancel_MouseMove(Game& g);
void Form_MouseMove(Game& g);
}  // namespace kararion::Form3
