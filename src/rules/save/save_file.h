#pragma once
// Saving and loading the six counters: one scrambled line in <dataDir><name>.dat.
#include <string>

#include "core/ground.h"

namespace kararion::save {

class SaveFiles {
public:
    explicit SaveFiles(Ground& ground);

    // Writes Coin, Run, Lost, Win, UsedCoin, WinCoin scrambled to <dataDir><name>.dat.
    // Only between games with nothing staked, so a save always holds a closed game.
    void SaveGame(const std::string& name);
    // Reads them back, all six or none; Bet is never touched. Only between
    // games with nothing staked. True when they were replaced.
    bool LoadGame(const std::string& name);

    const std::string& DataDir() const { return dataDir_; }
    // Where the saves go from now on: a folder path with its final "/".
    void SetDataDir(std::string folder) { dataDir_ = std::move(folder); }

private:
    std::string SavePath(const std::string& name) const;

    Ground& g_;
    std::string dataDir_ = "./data/";  // save files, under the working directory
};

}  // namespace kararion::save
