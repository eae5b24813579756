#include "menu/menu_entries.h"

#include "reels/start.h"

namespace kararion::Form5 {
namespace {

// The entry under the pointer turns red, every other entry black; a greyed
// entry reacts to nothing.
void Highlight(Game& g, Caption MenuWindowState::*entry) {
    if (!(g.form5.*entry).enabled) return;
    for (Caption* c : {&g.form5.Start, &g.form5.Save, &g.form5.Loading, &g.form5.Version, &g.form5.Ended})
        c->foreColor = kBlack;
    (g.form5.*entry).foreColor = kRed;
}

}  // namespace

void Start_Click(Game& g) {
    if (g.form5.Start.enabled) StartC::StartGame(g);
}

void Start_MouseMove(Game& g) { Highlight(g, &MenuWindowState::Start); }
void Save_MouseMove(Game& g) { Highlight(g, &MenuWindowState::Save); }
void Loading_MouseMove(Game& g) { Highlight(g, &MenuWindowState::Loading); }
void Version_MouseMove(Game& g) { Highlight(g, &MenuWindowState::Version); }
void Ended_MouseMove(Game& g) { Highlight(g, &MenuWindowState::Ended); }

void Form_MouseMove(Game& g) {
    for (Caption* c : {&g.form5.Start, &g.form5.Save, &g.form5.Loading, &g.form5.Version, &g.form5.Ended})
        c->foreColor = kBlack;
}

}  // namespace kararion::Form5
