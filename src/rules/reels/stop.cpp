#include "reels/reels.h"

namespace kararion::reels {

void Reels::Stop(int reel) {
    ReelTimer(reel).SetEnabled(false);
    ++StopCount;
    if (StopCount == 1) {
        // The first stop ends the chase, whichever reel it is.
        lamps_.reelLampTimer.SetEnabled(false);
        lamps_.DimReelLamps();
    }
    StopButton(reel).foreColor = kDarkNavy;
    StopButton(reel).enabled = false;
    const std::int32_t lamp = reel - 1;
    lamps_.LightReelLamp(lamp);
    g_.events.reelStopped(ReelStop{reel, cells_[static_cast<std::size_t>(reel - 1)]});
    if (StopCount == 3) {
        judge_.JudgeLines(cells_);
        StopCount = 0;
    } else if (StopCount > 3) {
        ReportReelError("停止数が異常です。");
    }
}

void Reels::StopReel1() { Stop(1); }
void Reels::StopReel2() { Stop(2); }
void Reels::StopReel3() { Stop(3); }

}  // namespace kararion::reels
