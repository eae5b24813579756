#pragma once
// The three lamps above the reels: they chase while the reels spin and light
// as each reel stops.
#include <array>
#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/ground.h"
#include "core/timer.h"

namespace kararion::lamps {

class ReelLamps {
public:
    explicit ReelLamps(Ground& ground);

    void LightReelLamp(std::int32_t index);
    void DimReelLamps();
    void StepReelLamps();  // one step of the chase
    void ReportReelLampError(const std::string& message);

    Colour& ReelLamp(int index);  // 0..2, left to right: fill colour
    const Colour& ReelLamp(int index) const;

    GameTimer reelLampTimer;  // the chase
    std::int32_t ReelLampStep = 0;

private:
    Ground& g_;
    std::array<Colour, 3> lamps_;
};

}  // namespace kararion::lamps
