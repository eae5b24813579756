#pragma once
#include <string>

#include "core/game.h"

namespace kararion::save_file {

// Writes Coin, Run, Lost, Win, UsedCoin, WinCoin scrambled to <dataDir><name>.dat.
void SaveGame(Game& g, const std::string& name);
// Reads them back; Bet is never touched.
void LoadGame(Game& g, const std::string& name);

}  // namespace kararion::save_file
