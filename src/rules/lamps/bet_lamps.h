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
    void FlashWinningLine();                      // starts the flash
    void StepBetLamps(std::int32_t winningLine);  // one beat of the winning line's flash
    void ReportBetLampError(const std::string& message);

    Colour BetLamp(int line, int side) const;  // line 1..3, kLeftLamp or kRightLamp: text colour
    const GameTimer& FlashTimer() const { return betLampTimer_; }
    std::int32_t BetLampPhase() const { return betLampPhase_; }  // carries over from flash to flash

private:
    friend class machine::Game;
    friend class machine::GameSetup;

    Colour& Lamp(int line, int side);
    void SetPair(int line, Colour colour);

    Ground& g_;
    GameTimer betLampTimer_;
    std::int32_t betLampPhase_ = 0;
    std::array<std::array<Colour, 2>, 3> lamps_;
};

}  // namespace kararion::lamps
