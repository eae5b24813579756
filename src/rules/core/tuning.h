#pragma once
// The values a designer tunes: the timers' intervals, the coins a player
// starts with and what each symbol pays. Few files include this, so changing one rebuilds little.
#include <cstdint>

namespace kararion::tuning {

// Each reel steps at its own rate; the chase and the flash are the lamps'.
inline constexpr int kReel1StepMs = 50;
inline constexpr int kReel2StepMs = 40;
inline constexpr int kReel3StepMs = 60;
inline constexpr int kReelLampChaseMs = 300;
inline constexpr int kWinningLineFlashMs = 100;
inline constexpr int kCoinUpMs = 10;  // one coin of a payout a tick
inline constexpr int kWinSoundDelayMs = 1000;

// What a player starts with, and starts afresh with.
inline constexpr std::int64_t kStartCoins = 100;

// Three of a kind on an open line pays.
inline constexpr std::int32_t kSevenPays = 200;
inline constexpr std::int32_t kBarPays = 100;
inline constexpr std::int32_t kStarPays = 80;
inline constexpr std::int32_t kMelonPays = 50;
inline constexpr std::int32_t kBellPays = 25;
inline constexpr std::int32_t kGrapesPays = 15;
inline constexpr std::int32_t kPeachPays = 8;
inline constexpr std::int32_t kWatermelonPays = 5;
inline constexpr std::int32_t kOrangePays = 3;

}  // namespace kararion::tuning
