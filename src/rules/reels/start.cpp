#include "core/counters.h"
#include "reels/reels.h"
#include "sound/sounds.h"

namespace kararion::reels {

void Reels::StartGame(bool replay) {
    betting_.LockBet();
    sound::PlaySound(g_, sound::Sound::LineRound);
    for (int reel = 1; reel <= 3; ++reel) {
        ReelTimer(reel).SetEnabled(true);
        StopButton(reel).enabled = true;
        StopButton(reel).foreColor = kBlue;
        lamps_.ReelLamp(reel - 1) = kDarkTeal;
    }
    AddToCounter(g_.counters.Run, 1);
    lamps_.DimReelLamps();
    lamps_.reelLampTimer.SetEnabled(true);
    g_.events.gameStarted(replay);
}

}  // namespace kararion::reels
