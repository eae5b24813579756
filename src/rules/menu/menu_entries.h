#pragma once
// The menu window's rules: スタート, which entries the game phase offers, and
// the hover colours of the five entries. Opening the dialogs and ending the
// program are the window layer's.
#include <array>

#include "core/colour.h"
#include "core/phase.h"
#include "reels/reels.h"

namespace kararion::menu {

enum class Entry { Start, Save, Loading, Version, Ended };
inline constexpr std::array<Entry, 5> kEntries{Entry::Start, Entry::Save, Entry::Loading, Entry::Version, Entry::Ended};

class Menu {
public:
    Menu(const GamePhase& phase, reels::Reels& reels);

    void ClickStart();
    // The entry under the pointer turns red, every other entry black; a greyed
    // entry reacts to nothing.
    void Hover(Entry entry);
    void HoverBackground();

    // Drawn from the phase: スタート with coins staked and nothing under way,
    // セーブ and ロード only between games with nothing staked.
    bool Enabled(Entry entry) const;
    Colour ForeColor(Entry entry) const { return colours_[static_cast<std::size_t>(entry)]; }

private:
    const GamePhase& phase_;
    reels::Reels& reels_;
    std::array<Colour, 5> colours_;
};

}  // namespace kararion::menu
