#include "machine/game.h"
#include "sound/sounds.h"

namespace kararion::machine {

void Game::ConnectTimers() {
    for (int reel = 1; reel <= 3; ++reel) {
        void (reels::Reels::*spin)() = reel == 1   ? &reels::Reels::SpinReel1
                                       : reel == 2 ? &reels::Reels::SpinReel2
                                                   : &reels::Reels::SpinReel3;
        reels_.Timer(reel).SetTick([this, spin] { (reels_.*spin)(); });
    }
    reelLamps_.reelLampTimer_.SetTick([this] { reelLamps_.StepReelLamps(); });
    betLamps_.betLampTimer_.SetTick([this] { betLamps_.StepBetLamps(judge_.WinningLine()); });
    judge_.coinUpTimer_.SetTick([this] {
        if (judge_.CountUpCoins() == judge::CountUp::Replay) StartReplay();
    });
    judge_.winSoundTimer_.SetTick([this] { judge_.PlayWinSound(); });
}

// The free game of three replays, on the same stake. Should the counters have
// no room for it, the game closes instead, so that the next one can be bet.
void Game::StartReplay() {
    if (reels_.StartGame(true)) return;
    betting_.CloseStake();
    SetPhase(Phase::BetweenGames);
}

void Game::StartProgram() {
    ConnectTimers();
    counters_.StartAfresh();
}

void Game::EndProgram() {
    for (GameTimer* timer : Timers()) timer->SetEnabled(false);
}

void Game::ClickBackground() {
    // A click into a count-up first pays what is still owed, so that no won
    // coin is lost to the step it takes (nor a staked one to the closing tick).
    if ((phase() == Phase::PayingOut || phase() == Phase::Replay) && judge_.FinishPayout() == judge::CountUp::Replay)
        StartReplay();
    if (++clickStep_ == 8) clickStep_ = 1;
    // While the reels spin the betting steps do nothing: the stake refuses them.
    if (clickStep_ < 4) betting_.RaiseBet();
    if (counters().Bet() > 0 && clickStep_ == 4) (void)reels_.StartGame();
    if (clickStep_ >= 5 && clickStep_ <= 7) {
        for (int reel = 1; reel <= 3; ++reel) {
            if (!reels_.ReelTimer(reel).Enabled()) continue;
            if (reels_.StopReel(reel)) sound::PlaySound(*this, sound::Sound::LineStop);
            break;
        }
    }
}

// A greyed stop button takes no click: the reels refuse it without a sound.
void Game::ClickStop(int reel) {
    if (reels_.StopReel(reel)) sound::PlaySound(*this, sound::Sound::LineStop);
}

}  // namespace kararion::machine
