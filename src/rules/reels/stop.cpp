#include "reels/stop.h"

#include "judge/judge.h"
#include "lamps/reel_lamps.h"
#include "reels/reel_error.h"

namespace kararion::stop {
namespace {

void Stop(Game& g, int reel) {
    g.main.ReelTimer(reel).SetEnabled(false);
    ++g.stop.StopCount;
    if (g.stop.StopCount == 1) {
        // The first stop ends the chase, whichever reel it is.
        g.main.reelLampTimer.SetEnabled(false);
        reel_lamps::DimReelLamps(g);
    }
    g.main.StopButton(reel).foreColor = kDarkNavy;
    g.main.StopButton(reel).enabled = false;
    const std::int32_t lamp = reel - 1;
    reel_lamps::LightReelLamp(g, lamp);
    if (g.stop.StopCount == 3) {
        judge::JudgeLines(g);
        g.stop.StopCount = 0;
    } else if (g.stop.StopCount > 3) {
        ReportReelError(g, "停止数が異常です。");
    }
}

}  // namespace

void StopReel1(Game& g) { Stop(g, 1); }
void StopReel2(Game& g) { Stop(g, 2); }
void StopReel3(Game& g) { Stop(g, 3); }

}  // namespace kararion::stop
