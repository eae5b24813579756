#include "reels/start.h"

#include "core/counters.h"
#include "lamps/reel_lamps.h"
#include "sound/sounds.h"

namespace kararion::start {

void StartGame(Game& g) {
    g.info.BetUp.enabled = false;
    g.info.BetDown.enabled = false;
    sound::PlaySound(g, "LineRound");
    for (int reel = 1; reel <= 3; ++reel) {
        g.main.ReelTimer(reel).SetEnabled(true);
        g.main.StopButton(reel).enabled = true;
        g.main.StopButton(reel).foreColor = kBlue;
        g.main.ReelLamp(reel - 1) = kDarkTeal;
    }
    AddToCounter(g.info.Run, 1);
    reel_lamps::DimReelLamps(g);
    g.main.reelLampTimer.SetEnabled(true);
    g.menu.Start.enabled = false;
}

}  // namespace kararion::start
