#include "lamps/reel_lamps.h"

#include <stdexcept>

#include "core/tuning.h"
#include "errors/error_message.h"

namespace kararion::lamps {

ReelLamps::ReelLamps(Ground& ground) : g_(ground), reelLampTimer_("LineLed", tuning::kReelLampChaseMs) {
    lamps_.fill(kCyan);
}

Colour& ReelLamps::Lamp(int index) {
    if (index < 0 || index > 2) throw std::out_of_range("ReelLamp");
    return lamps_[static_cast<std::size_t>(index)];
}

Colour ReelLamps::ReelLamp(int index) const {
    if (index < 0 || index > 2) throw std::out_of_range("ReelLamp");
    return lamps_[static_cast<std::size_t>(index)];
}

void ReelLamps::LightReelLamp(std::int32_t index) {
    if (index > 2) {
        ReportReelLampError("LineLED点灯値が異常です。");
        return;
    }
    if (index >= 0) Lamp(index) = kCyan;
}

void ReelLamps::DimReelLamps() {
    for (int lamp = 0; lamp <= 2; ++lamp) Lamp(lamp) = kDarkTeal;
}

void ReelLamps::StartChase() {
    DimReelLamps();
    reelLampTimer_.SetEnabled(true);
}

void ReelLamps::EndChase() {
    reelLampTimer_.SetEnabled(false);
    DimReelLamps();
}

void ReelLamps::StepReelLamps() {
    // The chase runs left, right, middle: step, lit lamp, then the two darkened in order.
    static constexpr int kChase[3][3] = {{0, 1, 2}, {2, 1, 0}, {1, 0, 2}};
    std::int32_t& step = reelLampStep_;
    ++step;
    if (step >= 1 && step <= 3) {
        const int* lamps = kChase[step - 1];
        Lamp(lamps[0]) = kCyan;
        Lamp(lamps[1]) = kDarkTeal;
        Lamp(lamps[2]) = kDarkTeal;
        if (step == 3) step = 0;
    } else if (step > 3 || step == 0) {
        ReportReelLampError("LineLED点滅値が異常です。");
    }
}

void ReelLamps::ReportReelLampError(const std::string& message) {
    errors::ShowErrorMessage(g_, message);
    DimReelLamps();  // the chase timer, if it runs, runs on
}

}  // namespace kararion::lamps
