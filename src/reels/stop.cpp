#include "reels/stop.h"

#include "judge/judge.h"
#include "lamps/reel_lamps.h"
#include "sound/error_message.h"

namespace kararion::StopC {
namespace {

void Stop(Game& g, int reel) {
    g.form1.SLT(reel).SetEnabled(false);
    ++g.stopC.StopCount;
    if (g.stopC.StopCount == 1) {
        // The first stop ends the chase, whichever reel it is.
        g.form1.LineLed.SetEnabled(false);
        LineLEDC::DimReelLamps(g);
    }
    g.form1.Stop(reel).foreColor = kDarkNavy;
    g.form1.Stop(reel).enabled = false;
    const std::int32_t lamp = reel - 1;
    LineLEDC::LightReelLamp(g, lamp);
    if (g.stopC.StopCount == 3) {
        JudgC::JudgeLines(g);
        g.stopC.StopCount = 0;
    } else if (g.stopC.StopCount > 3) {
        ReportStopError(g, "停止数が異常です。");
    }
}

}  // namespace

void StopReel1(Game& g) { Stop(g, 1); }
void StopReel2(Game& g) { Stop(g, 2); }
void StopReel3(Game& g) { Stop(g, 3); }

void ReportStopError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    for (int reel = 1; reel <= 3; ++reel) g.form1.SLT(reel).SetEnabled(false);
}

}  // namespace kararion::StopC
