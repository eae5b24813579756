#include "lamps/bet_lamps.h"

#include <stdexcept>

#include "core/tuning.h"
#include "errors/error_message.h"
#include "paytable/paytable.h"

namespace kararion::lamps {

BetLamps::BetLamps(Ground& ground) : g_(ground), betLampTimer_("BetLed", tuning::kWinningLineFlashMs) {
    for (auto& pair : lamps_) pair.fill(kDefaultText);
}

namespace {

std::size_t LampIndex(int value, int low, int high) {
    if (value < low || value > high) throw std::out_of_range("BetLamp");
    return static_cast<std::size_t>(value - low);
}

}  // namespace

Colour& BetLamps::Lamp(int line, int side) { return lamps_[LampIndex(line, 1, 3)][LampIndex(side, 0, 1)]; }
Colour BetLamps::BetLamp(int line, int side) const { return lamps_[LampIndex(line, 1, 3)][LampIndex(side, 0, 1)]; }

void BetLamps::SetPair(int line, Colour colour) {
    Lamp(line, kLeftLamp) = colour;
    Lamp(line, kRightLamp) = colour;
}

void BetLamps::LightBetLamp() {
    const Count bet = g_.counters().Bet();
    if (bet == 1) {
        SetPair(1, kRed);
    } else if (bet == 2) {
        SetPair(2, kRed);
    } else if (bet == 3) {
        SetPair(3, kRed);
    } else {
        ReportBetLampError("Bet数の加算が異常です。");
    }
}

void BetLamps::DimBetLamp() {
    const Count bet = g_.counters().Bet();
    if (bet == 2) {
        SetPair(3, kBlack);
    } else if (bet == 1) {
        SetPair(2, kBlack);
    } else if (bet == 0) {
        SetPair(1, kBlack);
    } else {
        ReportBetLampError("Bet数の減算が異常です。");
    }
}

void BetLamps::LightAllBetLamps() {
    for (int line = 1; line <= 3; ++line) SetPair(line, kRed);
    betLampTimer_.SetEnabled(false);
}

void BetLamps::DimAllBetLamps() {
    for (int line = 3; line >= 1; --line) SetPair(line, kBlack);
    betLampTimer_.SetEnabled(false);
}

void BetLamps::FlashWinningLine() { betLampTimer_.SetEnabled(true); }

void BetLamps::StepBetLamps(std::int32_t winningLine) {
    if (const paytable::PayLine* line = paytable::LineNumbered(winningLine)) {
        const Colour colour = betLampPhase_ == 1 ? kRed : kBlack;
        Lamp(line->cells.front().row, kLeftLamp) = colour;
        Lamp(line->cells.back().row, kRightLamp) = colour;
    } else {
        ReportBetLampError("判定で異常です。");
    }
    // The phase carries over from flash to flash, and past a report too.
    if (++betLampPhase_ > 1) betLampPhase_ = 0;
}

void BetLamps::ReportBetLampError(const std::string& message) {
    errors::ShowErrorMessage(g_, message);
    DimAllBetLamps();
}

}  // namespace kararion::lamps
