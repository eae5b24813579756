#include "menu/menu_entries.h"

#include "reels/start.h"

namespace kararion::menu {
namespace {

// The entry under the pointer turns red, every other entry black; a greyed
// entry reacts to nothing.
void Highlight(Game& g, Caption MenuWindowState::*entry) {
    if (!(g.menu.*entry).enabled) return;
    for (Caption* c : {&g.menu.Start, &g.menu.Save, &g.menu.Loading, &g.menu.Version, &g.menu.Ended})
        c->foreColor = kBlack;
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

void HoverBackground(Game& g) {
    for (Caption* c : {&g.menu.Start, &g.menu.Save, &g.menu.Loading, &g.menu.Version, &g.menu.Ended})
        c->foreColor = kBlack;
}

}  // namespace kararion::menu
