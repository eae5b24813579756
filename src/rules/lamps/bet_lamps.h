#pragma once
#include <cstdint>
#include <string>

#include "core/game.h"

namespace kararion::bet_lamps {

void LightBetLamp(Game& g);                            // the pair of the line the new bet opens
void DimBetLamp(Game& g);                              // the pair of the line the bet no longer opens
void LightAllBetLamps(Game& g);                        // all six lit, flash stopped
void DimAllBetLamps(Game& g);                          // all six dark, flash stopped
void StepBetLamps(Game& g, std::int32_t winningLine);  // one flash step of line `winningLine`
void ReportBetLampError(Game& g, const std::string& message);

}  // namespace kararion::bet_lamps
