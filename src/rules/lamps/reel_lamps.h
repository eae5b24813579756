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
    void StartChase();     // all dim, the chase under way
    void EndChase();       // the chase over, all dim
    void StepReelLamps();  // one step of the chase
    void ReportReelLampError(const std::string& message);

    Colour ReelLamp(int index) const;  // 0..2, left to right: fill colour
    const GameTimer& ChaseTimer() const { return reelLampTimer_; }
    std::int32_t ReelLampStep() const { return reelLampStep_; }

private:
    friend class machine::Game;
    friend class machine::GameSetup;

    Colour& Lamp(int index);

    Ground& g_;
    GameTimer reelLampTimer_;
    std::int32_t reelLampStep_ = 0;
    std::array<Colour, 3> lamps_;
};

}  // namespace kararion::lamps
