#include "lamps/bet_lamps.h"

#include <stdexcept>

#include "core/counters.h"
#include "core/tuning.h"
#include "paytable/paytable.h"
#include "sound/error_message.h"

namespace kararion::lamps {

BetLamps::BetLamps(Ground& ground) : betLampTimer("BetLed", tuning::kWinningLineFlashMs), g_(ground) {
    for (auto& pair : lamps_) pair.fill(kDefaultText);
}

Colour& BetLamps::BetLamp(int line, int side) {
    if (line < 1 || line > 3 || side < 0 || side > 1) throw std::out_of_range("BetLamp");
    return lamps_[static_cast<std::size_t>(line - 1)][static_cast<std::size_t>(side)];
}

const Colour& BetLamps::BetLamp(int line, int side) const { return const_cast<BetLamps*>(this)->BetLamp(line, side); }

void BetLamps::SetPair(int line, Colour colour) {
    BetLamp(line, kLeftLamp) = colour;
    BetLamp(line, kRightLamp) = colour;
}

void BetLamps::LightBetLamp() {
    const double bet = ReadCounter(g_.counters.Bet);
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
    const double bet = ReadCounter(g_.counters.Bet);
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
    betLampTimer.SetEnabled(false);
}

void BetLamps::DimAllBetLamps() {
    for (int line = 3; line >= 1; --line) SetPair(line, kBlack);
    betLampTimer.SetEnabled(false);
}

void BetLamps::StepBetLamps(std::int32_t winningLine) {
    if (const paytable::PayLine* line = paytable::LineNumbered(winningLine)) {
        const Colour colour = BetLampPhase == 1 ? kRed : kBlack;
        BetLamp(line->cells.front().row, kLeftLamp) = colour;
        BetLamp(line->cells.back().row, kRightLamp) = colour;
    } else {
        ReportBetLampError("判定で異常です。");
    }
    // The phase carries over from flash to flash, and past a report too.
    if (++BetLampPhase > 1) BetLampPhase = 0;
}

void BetLamps::ReportBetLampError(const std::string& message) {
    sound::ShowErrorMessage(g_, message);
    DimAllBetLamps();
}

}  // namespace kararion::lamps
