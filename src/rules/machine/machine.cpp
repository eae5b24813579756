#include "machine/machine.h"

#include "bet/bet.h"
#include "core/counters.h"
#include "judge/judge.h"
#include "lamps/bet_lamps.h"
#include "lamps/reel_lamps.h"
#include "reels/spin.h"
#include "reels/start.h"
#include "reels/stop.h"
#include "sound/sounds.h"

namespace kararion::machine {
namespace {

void ConnectTimers(Game& g) {
    MainWindowState& m = g.main;
    m.reel1Timer.SetTick([&g] { spin::SpinReel1(g); });
    m.reel2Timer.SetTick([&g] { spin::SpinReel2(g); });
    m.reel3Timer.SetTick([&g] { spin::SpinReel3(g); });
    m.reelLampTimer.SetTick([&g] { reel_lamps::StepReelLamps(g); });
    m.betLampTimer.SetTick([&g] { bet_lamps::StepBetLamps(g, g.main.winningLine); });
    m.coinUpTimer.SetTick([&g] {
        if (judge::CountUpCoins(g) == judge::CountUp::Replay) start::StartGame(g);
    });
    m.winSoundTimer.SetTick([&g] {
        sound::PlaySound(g, "Atari");
        g.main.winSoundTimer.SetEnabled(false);
    });
}

}  // namespace

void Load(Game& g) {
    ConnectTimers(g);
    WriteStartValues(g.info);
    for (int reel = 1; reel <= 3; ++reel) g.main.StopButton(reel).enabled = false;
}

void ClickBackground(Game& g) {
    std::int32_t& step = g.main.clickStep;
    if (++step == 8) step = 1;
    if (step < 4) betting::RaiseBet(g);
    if (ReadCounter(g.info.Bet) > 0 && step == 4) start::StartGame(g);
    if (step >= 5 && step <= 7) {
        bool stopped = true;
        if (g.main.reel1Timer.Enabled()) {
            stop::StopReel1(g);
        } else if (g.main.reel2Timer.Enabled()) {
            stop::StopReel2(g);
        } else if (g.main.reel3Timer.Enabled()) {
            stop::StopReel3(g);
        } else {
            stopped = false;
        }
        if (stopped) sound::PlaySound(g, "LineStop");
    }
}

// A disabled stop button takes no click.
void ClickStop(Game& g, int reel) {
    if (!g.main.StopButton(reel).enabled) return;
    switch (reel) {
        case 1: stop::StopReel1(g); break;
        case 2: stop::StopReel2(g); break;
        default: stop::StopReel3(g); break;
    }
    sound::PlaySound(g, "LineStop");
}

}  // namespace kararion::machine
