#include "menu/menu_entries.h"

namespace kararion::menu {

Menu::Menu(bet::Betting& betting, reels::Reels& reels) : betting_(betting), reels_(reels) { colours_.fill(kBlack); }

bool Menu::Enabled(Entry entry) const {
    // スタート is the stake's to offer; the other entries are always there.
    if (entry == Entry::Start) return betting_.startOffered;
    return true;
}

void Menu::ClickStart() {
    if (Enabled(Entry::Start)) reels_.StartGame();
}

void Menu::Hover(Entry entry) {
    if (!Enabled(entry)) return;
    colours_.fill(kBlack);
    colours_[static_cast<std::size_t>(entry)] = kRed;
}

void Menu::HoverBackground() { colours_.fill(kBlack); }

}  // namespace kararion::menu
