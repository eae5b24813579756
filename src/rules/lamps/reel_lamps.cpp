#include "lamps/reel_lamps.h"

#include "sound/error_message.h"

namespace kararion::reel_lamps {

void LightReelLamp(Game& g, std::int32_t index) {
    if (index > 2) {
        ReportReelLampError(g, "LineLED点灯値が異常です。");
        return;
    }
    if (index >= 0) g.main.ReelLamp(index) = kCyan;
}

void DimReelLamps(Game& g) {
    for (int lamp = 0; lamp <= 2; ++lamp) g.main.ReelLamp(lamp) = kDarkTeal;
}

void StepReelLamps(Game& g) {
    // The chase runs left, right, middle: step, lit lamp, then the two darkened in order.
    static constexpr int kChase[3][3] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}};
    std::int32_t& step = g.reelLamps.ReelLampStep;
    ++step;
    if (step >= 1 && step <= 3) {
        const int* lamps = kChase[step - 1];
        g.main.ReelLamp(lamps[0]) = kCyan;
        g.main.ReelLamp(lamps[1]) = kDarkTeal;
        g.main.ReelLamp(lamps[2]) = kDarkTeal;
        if (step == 3) step = 0;
    } else if (step > 3 || step == 0) {
        ReportReelLampError(g, "LineLED点滅値が異常です。");
    }
}

void ReportReelLampError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    DimReelLamps(g);  // the chase timer, if it runs, runs on
}

}  // namespace kararion::reel_lamps
