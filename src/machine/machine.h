#pragma once
// Form1's handlers: what each click and each timer tick of the main window runs.
// The docking of the side windows is the window layer's own (it follows move
// events), so it has no handler here.
#include "core/game.h"

namespace kararion::Form1 {

void Form_Load(Game& g);   // start values, then the stop buttons disabled
void Form_Click(Game& g);  // the seven-step cycle: three bets, a start, three stops

void Stop1_Click(Game& g);
void Stop2_Click(Game& g);
void Stop3_Click(Game& g);

void SLT1_Timer(Game& g);
void SLT2_Timer(Game& g);
void SLT3_Timer(Game& g);
void LineLed_Timer(Game& g);
void BetLed_Timer(Game& g);
void CoinUp_Timer(Game& g);
void AtariSe_Timer(Game& g);

}  // namespace kararion::Form1
