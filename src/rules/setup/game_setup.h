#pragma once
// The one door for setting a game up in a state no player could reach quickly:
// for tests, benchmarks and tools, never for the game's windows (the layer
// check holds them to that). Everything else goes through the Game's commands.
#include <cstdint>
#include <string>

#include "core/counters.h"
#include "core/phase.h"
#include "core/symbol.h"
#include "machine/game.h"
#include "setup/recording_effects.h"

namespace kararion::machine {

class GameSetup {
public:
    explicit GameSetup(Game& game) : g_(game) {}

    void ShowPicture(int reel, int row, Picture picture);
    void SetSaved(const SavedCounts& saved);
    void SetCoins(Count coins);
    // The stake as it stands, without coins moving or the phase following.
    void SetStake(Count bet);
    void SetPhase(Phase phase);
    void SetReelPosition(int reel, std::int32_t position);
    void SetStripText(int reel, std::string text);
    void SetStopCount(std::int32_t count);
    void SetCoinsOwed(std::int32_t coins);
    void SetWinningLine(std::int32_t line);
    void SetBetLampPhase(std::int32_t phase);
    void SetReelLampStep(std::int32_t step);
    void SetBetLamp(int line, int side, Colour colour);
    void SetReelLamp(int index, Colour colour);
    void SetClickStep(std::int32_t step);
    // One procedure run as its timer or its caller would run it, alone.
    void SpinReel(int reel);
    void StepReelLamps();
    void LightReelLamp(std::int32_t index);
    void JudgeLines();  // the nine cells in view
    // Timers switched on behind the rules' backs, as only a fault could.
    void FlashWithoutALine();
    void CountUpWithoutAWin();

private:
    Game& g_;
};

}  // namespace kararion::machine
