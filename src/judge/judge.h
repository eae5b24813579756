#pragma once
#include <cstdint>
#include <string>

#include "core/game.h"

namespace kararion::judge {

// Judges the nine symbols in view on the lines the left bet lamps open.
void JudgeLines(Game& g);
// Prices the win from the symbol in Slot1(row) and starts the count-up and the win sound.
void AwardPayout(Game& g, std::int32_t& row);
// One count-up tick: one coin, the closing of the game, or the replay.
void CountUpCoins(Game& g);
void ReportJudgeError(Game& g, const std::string& message);

// The payout of three of a picture: coins, -2 for the replay, or nothing (false)
// for a picture that is none of the ten symbols.
bool LookUpPayout(Picture picture, std::int32_t& payout);

}  // namespace kararion::judge
