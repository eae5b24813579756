#include "lamps/bet_lamps.h"

#include "core/counters.h"
#include "sound/error_message.h"

namespace kararion::bet_lamps {
namespace {

void SetPair(Game& g, int line, Colour colour) {
    g.main.BetLamp(line, kLeftLamp) = colour;
    g.main.BetLamp(line, kRightLamp) = colour;
}

}  // namespace

void LightBetLamp(Game& g) {
    const double bet = ReadCounter(g.info.Bet);
    if (bet == 1) {
        SetPair(g, 1, kRed);
    } else if (bet == 2) {
        SetPair(g, 2, kRed);
    } else if (bet == 3) {
        SetPair(g, 3, kRed);
    } else {
        ReportBetLampError(g, "Bet数の加算が異常です。");
    }
}

void DimBetLamp(Game& g) {
    const double bet = ReadCounter(g.info.Bet);
    if (bet == 2) {
        SetPair(g, 3, kBlack);
    } else if (bet == 1) {
        SetPair(g, 2, kBlack);
    } else if (bet == 0) {
        SetPair(g, 1, kBlack);
    } else {
        ReportBetLampError(g, "Bet数の減算が異常です。");
    }
}

void LightAllBetLamps(Game& g) {
    for (int line = 1; line <= 3; ++line) SetPair(g, line, kRed);
    g.main.betLampTimer.SetEnabled(false);
}

void DimAllBetLamps(Game& g) {
    for (int line = 3; line >= 1; --line) SetPair(g, line, kBlack);
    g.main.betLampTimer.SetEnabled(false);
}

void StepBetLamps(Game& g, std::int32_t winningLine) {
    // A line's lamps: a row shows at both its ends, a diagonal at the left end
    // of the row it starts in and the right end of the row it ends in.
    static constexpr int kLamps[5][2][2] = {
        {{1, 0}, {1, 1}}, {{2, 0}, {2, 1}}, {{3, 0}, {3, 1}}, {{1, 0}, {3, 1}}, {{3, 0}, {1, 1}},
    };
    if (winningLine >= 1 && winningLine <= 5) {
        const Colour colour = g.betLamps.BetLampPhase == 1 ? kRed : kBlack;
        for (const auto& lamp : kLamps[winningLine - 1]) g.main.BetLamp(lamp[0], lamp[1]) = colour;
    } else {
        ReportBetLampError(g, "判定で異常です。");
    }
    // The phase carries over from flash to flash, and past a report too.
    if (++g.betLamps.BetLampPhase > 1) g.betLamps.BetLampPhase = 0;
}

void ReportBetLampError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    DimAllBetLamps(g);
}

}  // namespace kararion::bet_lamps
