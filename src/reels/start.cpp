#include "reels/start.h"

#include "core/counters.h"
#include "lamps/reel_lamps.h"
#include "sound/sounds.h"

namespace kararion::StartC {

void StartGame(Game& g) {
    g.form6.BetUp.enabled = false;
    g.form6.BetDown.enabled = false;
    Se::PlaySound(g, "LineRound");
    for (int reel = 1; reel <= 3; ++reel) {
        g.form1.SLT(reel).SetEnabled(true);
        g.form1.Stop(reel).enabled = true;
        g.form1.Stop(reel).foreColor = kBlue;
        g.form1.LED(reel - 1) = kDarkTeal;
    }
    AddToCounter(g.form6.Run, 1);
    LineLEDC::DimReelLamps(g);
    g.form1.LineLed.SetEnabled(true);
    g.form5.Start.enabled = false;
}

}  // namespace kararion::StartC
