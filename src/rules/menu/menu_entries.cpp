#include "menu/menu_entries.h"

#include "reels/start.h"

namespace kararion::menu {
namespace {

void AllBlack(MenuWindowState& menu) {
    for (Caption* c : {&menu.Start, &menu.Save, &menu.Loading, &menu.Version, &menu.Ended}) c->foreColor = kBlack;
}

// The entry under the pointer turns red, every other entry black; a greyed
// entry reacts to nothing.
void Highlight(Game& g, Caption MenuWindowState::*entry) {
    if (!(g.menu.*entry).enabled) return;
    AllBlack(g.menu);
    (g.menu.*entry).foreColor = kRed;
}

}  // namespace

void ClickStart(Game& g) {
    if (g.menu.Start.enabled) start::StartGame(g);
}

void HoverStart(Game& g) { Highlight(g, &MenuWindowState::Start); }
void HoverSave(Game& g) { Highlight(g, &MenuWindowState::Save); }
void HoverLoading(Game& g) { Highlight(g, &MenuWindowState::Loading); }
void HoverVersion(Game& g) { Highlight(g, &MenuWindowState::Version); }
void HoverEnded(Game& g) { Highlight(g, &MenuWindowState::Ended); }

void HoverBackground(Game& g) { AllBlack(g.menu); }

}  // namespace kararion::menu
