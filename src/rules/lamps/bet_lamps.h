#pragma once
// The six bet lamps beside the reels: lit red for the lines a stake opens,
// and the winning line's flash. The left lamps are the only record of which
// lines are in play.
#include <array>
#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/ground.h"
#include "core/timer.h"

namespace kararion::lamps {

// The bet lamps stand in pairs, one at each end of a row.
constexpr int kLeftLamp = 0;
constexpr int kRightLamp = 1;

class BetLamps {
public:
    explicit BetLamps(Ground& ground);

    void LightBetLamp();  // the row the stake just reached
    void DimBetLamp();    // the row the stake just left
    void LightAllBetLamps();
    void DimAllBetLamps();
    void StepBetLamps(std::int32_t winningLine);  // one beat of the winning line's flash
    void ReportBetLampError(const std::string& message);

    Colour& BetLamp(int line, int side);  // line 1..3, kLeftLamp or kRightLamp: text colour
    const Colour& BetLamp(int line, int side) const;

    GameTimer betLampTimer;         // the flash of the winning line
    std::int32_t BetLampPhase = 0;  // carries over from flash to flash

private:
    void SetPair(int line, Colour colour);

    Ground& g_;
    std::array<std::array<Colour, 2>, 3> lamps_;
};

}  // namespace kararion::lamps
