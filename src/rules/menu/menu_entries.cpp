#include "menu/menu_entries.h"

namespace kararion::menu {

Menu::Menu(bet::Betting& betting, reels::Reels& reels) : betting_(betting), reels_(reels) { colours_.fill(kBlack); }

bool Menu::Enabled(Entry entry) const {
    switch (entry) {
        // スタート is the stake's to offer, and never while a game is under way.
        case Entry::Start: return betting_.startOffered && !reels_.GameUnderWay();
        // A load replaces the counters: only between games, with nothing staked.
        case Entry::Loading: return betting_.Stake() == 0 && !reels_.GameUnderWay();
        default: return true;
    }
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
