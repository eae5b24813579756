#include "menu/menu_entries.h"

namespace kararion::menu {

Menu::Menu(const GamePhase& phase, reels::Reels& reels) : phase_(phase), reels_(reels) { colours_.fill(kBlack); }

bool Menu::Enabled(Entry entry) const {
    switch (entry) {
        case Entry::Start: return phase_.Allows(Command::Start);
        case Entry::Save: return phase_.Allows(Command::Save);
        case Entry::Loading: return phase_.Allows(Command::Load);
        default: return true;
    }
}

// A greyed スタート takes no click: the reels refuse it without a sound.
void Menu::ClickStart() { (void)reels_.StartGame(); }

void Menu::Hover(Entry entry) {
    if (!Enabled(entry)) return;
    colours_.fill(kBlack);
    colours_[static_cast<std::size_t>(entry)] = kRed;
}

void Menu::HoverBackground() { colours_.fill(kBlack); }

}  // namespace kararion::menu
