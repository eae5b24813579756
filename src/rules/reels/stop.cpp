#include "reels/reels.h"

namespace kararion::reels {

bool Reels::Stop(int reel) {
    if (!g_.gamePhase().Allows(Command::Stop)) {
        g_.Refuse(Command::Stop, Reason::NotNow, false);
        return false;
    }
    const auto index = static_cast<std::size_t>(reel - 1);
    if (stopped_[index]) {
        g_.Refuse(Command::Stop, Reason::ReelStopped, false);
        return false;
    }
    Timer(reel).SetEnabled(false);
    stopped_[index] = true;
    ++stopCount_;
    // The first stop ends the chase, whichever reel it is.
    if (stopCount_ == 1) lamps_.EndChase();
    stopColours_[index] = kDarkNavy;
    lamps_.LightReelLamp(reel - 1);
    g_.events_.reelStopped(ReelStop{reel, cells_[index]});
    if (stopCount_ == 3) {
        judge_.JudgeLines(cells_);
        stopCount_ = 0;
    } else if (stopCount_ > 3) {
        ReportReelError("停止数が異常です。");
    }
    return true;
}

bool Reels::StopReel1() { return Stop(1); }
bool Reels::StopReel2() { return Stop(2); }
bool Reels::StopReel3() { return Stop(3); }

bool Reels::StopReel(int reel) {
    switch (reel) {
        case 1: return StopReel1();
        case 2: return StopReel2();
        case 3: return StopReel3();
        default: return false;
    }
}

}  // namespace kararion::reels
