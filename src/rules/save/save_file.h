#pragma once
// Saving and loading the six counters: one scrambled line in <dataDir><name>.dat.
#include <string>

#include "core/ground.h"

namespace kararion::save {

class SaveFiles {
public:
    explicit SaveFiles(Ground& ground);

    // Writes Coin, Run, Lost, Win, UsedCoin, WinCoin scrambled to <dataDir><name>.dat.
    void SaveGame(const std::string& name);
    // Reads them back; Bet is never touched.
    void LoadGame(const std::string& name);

    std::string dataDir = "./data/";  // save files, under the working directory

private:
    std::string SavePath(const std::string& name) const;

    Ground& g_;
};

}  // namespace kararion::save
