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

namespace kararion::Form1 {

void Form_Load(Game& g) {
    g.form6.Bet = "0";
    g.form6.Run = "0";
    g.form6.Lost = "0";
    g.form6.Win = "0";
    g.form6.WinCoin = "0";
    g.form6.Coin = "100";
    g.form6.UsedCoin = "0";
    for (int reel = 1; reel <= 3; ++reel) g.form1.Stop(reel).enabled = false;
}

void Form_Click(Game& g) {
    std::int32_t& step = g.form1.ClickStep;
    if (++step == 8) step = 1;
    if (step < 4) BetC::RaiseBet(g);
    if (ReadCounter(g.form6.Bet) > 0 && step == 4) StartC::StartGame(g);
    if (step >= 5 && step <= 7) {
        bool stopped = true;
        if (g.form1.SLT1.Enabled()) {
            StopC::StopReel1(g);
        } else if (g.form1.SLT2.Enabled()) {
            StopC::StopReel2(g);
        } else if (g.form1.SLT3.Enabled()) {
            StopC::StopReel3(g);
        } else {
            stopped = false;
        }
        if (stopped) Se::PlaySound(g, "LineStop");
    }
}

// A disabled stop button takes no click.
void Stop1_Click(Game& g) {
    if (!g.form1.Stop(1).enabled) return;
    StopC::StopReel1(g);
    Se::PlaySound(g, "LineStop");
}

void Stop2_Click(Game& g) {
    if (!g.form1.Stop(2).enabled) return;
    StopC::StopReel2(g);
    Se::PlaySound(g, "LineStop");
}

void Stop3_Click(Game& g) {
    if (!g.form1.Stop(3).enabled) return;
    StopC::StopReel3(g);
    Se::PlaySound(g, "LineStop");
}

void SLT1_Timer(Game& g) { RunC::SpinReel1(g); }
void SLT2_Timer(Game& g) { RunC::SpinReel2(g); }
void SLT3_Timer(Game& g) { RunC::SpinReel3(g); }
void LineLed_Timer(Game& g) { LineLEDC::StepReelLamps(g); }

void BetLed_Timer(Game& g) {
    const std::int32_t pattern = g.form1.Num;
    BetLedC::StepBetLamps(g, pattern);
}

void CoinUp_Timer(Game& g) { JudgC::CountUpCoins(g); }

void AtariSe_Timer(Game& g) {
    Se::PlaySound(g, "Atari");
    g.form1.AtariSe.SetEnabled(false);
}

}  // namespace kararion::Form1
