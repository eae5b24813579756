#include "machine/machine.h"

#include "core/counters.h"
#include "sound/sounds.h"

namespace kararion::machine {
namespace {

void ConnectTimers(Game& g) {
    reels::Reels& r = g.reels;
    r.reel1Timer.SetTick([&r] { r.SpinReel1(); });
    r.reel2Timer.SetTick([&r] { r.SpinReel2(); });
    r.reel3Timer.SetTick([&r] { r.SpinReel3(); });
    g.reelLamps.reelLampTimer.SetTick([&g] { g.reelLamps.StepReelLamps(); });
    g.betLamps.betLampTimer.SetTick([&g] { g.betLamps.StepBetLamps(g.judge.winningLine); });
    g.judge.coinUpTimer.SetTick([&g] {
        if (g.judge.CountUpCoins() == judge::CountUp::Replay) g.reels.StartGame(true);
    });
    g.judge.winSoundTimer.SetTick([&g] { g.judge.PlayWinSound(); });
}

}  // namespace

void StartProgram(Game& g) {
    ConnectTimers(g);
    WriteStartValues(g.counters);
    for (int reel = 1; reel <= 3; ++reel) g.reels.StopButton(reel).enabled = false;
}

void EndProgram(Game& g) {
    for (GameTimer* timer : g.Timers()) timer->SetEnabled(false);
}

void ClickBackground(Game& g) {
    // A click into a count-up first pays what is still owed, so that no won
    // coin is lost to the step it takes (nor a staked one to the closing tick).
    if (g.judge.CountingUp() && g.judge.FinishPayout() == judge::CountUp::Replay) g.reels.StartGame(true);
    std::int32_t& step = g.clickStep;
    if (++step == 8) step = 1;
    if (step < 4) g.betting.RaiseBet();
    // A start while a game is under way would count a game never judged.
    if (ReadCounter(g.counters.Bet) > 0 && step == 4 && !g.reels.GameUnderWay()) g.reels.StartGame();
    if (step >= 5 && step <= 7) {
        bool stopped = true;
        if (g.reels.reel1Timer.Enabled()) {
            g.reels.StopReel1();
        } else if (g.reels.reel2Timer.Enabled()) {
            g.reels.StopReel2();
        } else if (g.reels.reel3Timer.Enabled()) {
            g.reels.StopReel3();
        } else {
            stopped = false;
        }
        if (stopped) sound::PlaySound(g, sound::Sound::LineStop);
    }
}

// A disabled stop button takes no click.
void ClickStop(Game& g, int reel) {
    if (!g.reels.StopButton(reel).enabled) return;
    switch (reel) {
        case 1: g.reels.StopReel1(); break;
        case 2: g.reels.StopReel2(); break;
        default: g.reels.StopReel3(); break;
    }
    sound::PlaySound(g, sound::Sound::LineStop);
}

}  // namespace kararion::machine
