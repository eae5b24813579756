#pragma once
#include <cstdint>
#include <string>

#include "core/game.h"

namespace kararion::reel_lamps {

void LightReelLamp(Game& g, std::int32_t index);  // 0..2
void DimReelLamps(Game& g);
void StepReelLamps(Game& g);  // one step of the chase
void ReportReelLampError(Game& g, const std::string& message);

}  // namespace kararion::reel_lamps
