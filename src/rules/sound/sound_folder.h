#pragma once
// Where the sounds are found. The game looks in data/se under one base folder
// (Game::programDir); this decides, once at start-up, which folder that is.
#include <optional>
#include <string>

namespace kararion::sound {

// The installed data folder of a program living in `programDir`: the install
// puts the program in <prefix>/bin and its data in <prefix>/share/games/kararion,
// so `fromProgram` is the way from one to the other ("../share/games/kararion").
// The result is written plainly, without "." or ".." steps.
std::string InstalledDataDir(const std::string& programDir, const std::string& fromProgram);

// The base folder whose data/se holds all six sound files: the program's own
// folder first (a build, or a copy carried about with its sounds), then the
// installed data folder. Nothing when neither has them all.
std::optional<std::string> ChooseSoundBase(const std::string& programDir, const std::string& installedDataDir);

// The base folder the game plays from: the chosen one, or when no folder has
// all six, the one that has the most of them (the program's own on a tie);
// the sounds found there play and the others are silent.
std::string BestSoundBase(const std::string& programDir, const std::string& installedDataDir);

}  // namespace kararion::sound
