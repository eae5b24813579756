#include "lamps/reel_lamps.h"

#include "sound/error_message.h"

namespace kararion::LineLEDC {

void LightReelLamp(Game& g, const std::int32_t& index) {
    if (index > 2) {
        ReportReelLampError(g, "LineLED点灯値が異常です。");
        return;
    }
    if (index >= 0) g.form1.LED(index) = kCyan;
}

void DimReelLamps(Game& g) {
    for (int lamp = 0; lamp <= 2; ++lamp) g.form1.LED(lamp) = kDarkTeal;
}

void StepReelLamps(Game& g) {
    // The chase runs left, right, middle: step, lit lamp, then the two darkened in order.
    static constexpr int kChase[3][3] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}};
    std::int32_t& step = g.lineLedC.ReelLampStep;
    ++step;
    if (step >= 1 && step <= 3) {
        const int* lamps = kChase[step - 1];
        g.form1.LED(lamps[0]) = kCyan;
        g.form1.LED(lamps[1]) = kDarkTeal;
        g.form1.LED(lamps[2]) = kDarkTeal;
        if (step == 3) step = 0;
    } else if (step > 3 || step == 0) {
        ReportReelLampError(g, "LineLED点滅値が異常です。");
    }
}

void ReportReelLampError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    DimReelLamps(g);  // the chase timer, if it runs, runs on
}

}  // namespace kararion::LineLEDC
