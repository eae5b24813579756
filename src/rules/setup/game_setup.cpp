#include "setup/game_setup.h"

namespace kararion::machine {

void GameSetup::ShowPicture(int reel, int row, Picture picture) { g_.reels_.CellAt(reel, row) = picture; }
void GameSetup::SetSaved(const SavedCounts& saved) { g_.counters_.Replace(saved); }

void GameSetup::SetCoins(Count coins) {
    SavedCounts saved = g_.counters().Saved();
    saved.coin = coins;
    g_.counters_.Replace(saved);
}

void GameSetup::SetStake(Count bet) { g_.counters_.bet_ = bet; }

void GameSetup::SetPhase(Phase phase) { g_.SetPhase(phase); }
void GameSetup::SetReelPosition(int reel, std::int32_t position) {
    g_.reels_.positions_.at(static_cast<std::size_t>(reel - 1)) = position;
}
void GameSetup::SetStripText(int reel, std::string text) {
    g_.reels_.stripTexts_.at(static_cast<std::size_t>(reel - 1)) = std::move(text);
}
void GameSetup::SetStopCount(std::int32_t count) { g_.reels_.stopCount_ = count; }
void GameSetup::SetCoinsOwed(std::int32_t coins) { g_.judge_.coinsOwed_ = coins; }
void GameSetup::SetWinningLine(std::int32_t line) { g_.judge_.winningLine_ = line; }
void GameSetup::SetBetLampPhase(std::int32_t phase) { g_.betLamps_.betLampPhase_ = phase; }
void GameSetup::SetReelLampStep(std::int32_t step) { g_.reelLamps_.reelLampStep_ = step; }
void GameSetup::SetBetLamp(int line, int side, Colour colour) { g_.betLamps_.Lamp(line, side) = colour; }
void GameSetup::SetReelLamp(int index, Colour colour) { g_.reelLamps_.Lamp(index) = colour; }
void GameSetup::SetClickStep(std::int32_t step) { g_.clickStep_ = step; }
void GameSetup::SpinReel(int reel) {
    if (reel == 1) g_.reels_.SpinReel1();
    if (reel == 2) g_.reels_.SpinReel2();
    if (reel == 3) g_.reels_.SpinReel3();
}
void GameSetup::StepReelLamps() { g_.reelLamps_.StepReelLamps(); }
void GameSetup::LightReelLamp(std::int32_t index) { g_.reelLamps_.LightReelLamp(index); }
void GameSetup::JudgeLines() { g_.judge_.JudgeLines(g_.reels_.AllCells()); }
void GameSetup::FlashWithoutALine() { g_.betLamps_.betLampTimer_.SetEnabled(true); }
void GameSetup::CountUpWithoutAWin() { g_.judge_.coinUpTimer_.SetEnabled(true); }

}  // namespace kararion::machine
