#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/game.h"

namespace kararion::judge {

// What the payout counter holds besides a number of coins still to pay.
constexpr std::int32_t kReplayPayout = -2;  // three replays: the next game starts at once
constexpr std::int32_t kClosingTick = -1;   // everything is paid: this tick closes the game

// Judges the nine symbols in view on the lines the left bet lamps open.
void JudgeLines(Game& g);
// Prices the win from the symbol in the first reel's cell of `row` and starts
// the count-up and the win sound.
void AwardPayout(Game& g, std::int32_t row);

enum class CountUp { GoesOn, Replay };
// One count-up tick: one coin, the closing of the game, or - for a replay -
// all bet lamps lit and the count-up stopped; the caller then starts the
// replayed game.
[[nodiscard]] CountUp CountUpCoins(Game& g);
void ReportJudgeError(Game& g, const std::string& message);

// The payout of three of a picture: coins or kReplayPayout; nothing for a
// picture that is none of the ten symbols.
std::optional<std::int32_t> LookUpPayout(Picture picture);

}  // namespace kararion::judge
