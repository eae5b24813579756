#include "paytable/paytable.h"
#include "reels/reels.h"
#include "sound/sounds.h"

namespace kararion::reels {
bool Reels::StartGame(bool replay) {
    // A start refused by the phase is a greyed スタート: it takes no click.
    const bool allowed = replay ? g_.phase() == Phase::Replay : g_.gamePhase().Allows(Command::Start);
    if (!allowed) {
        g_.Refuse(Command::Start, g_.counters().Bet() > 0 ? Reason::NotNow : Reason::NothingStaked, false);
        return false;
    }
    if (!g_.counters().RoomForGame(paytable::LargestPayout())) {
        g_.Refuse(Command::Start, Reason::CountersFull, true);
        return false;
    }
    sound::PlaySound(g_, sound::Sound::LineRound);
    for (int reel = 1; reel <= 3; ++reel) {
        Timer(reel).SetEnabled(true);
        stopped_[static_cast<std::size_t>(reel - 1)] = false;
        stopColours_[static_cast<std::size_t>(reel - 1)] = kBlue;
    }
    g_.counters_.CountGame();
    lamps_.StartChase();
    g_.events_.gameStarted(replay);
    return true;
}

}  // namespace kararion::reels
