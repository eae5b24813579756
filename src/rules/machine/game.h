#pragma once
// The whole machine, assembled from its modules on their common ground. Each
// module owns its state; the windows read it through a const Game and change
// it only through the rules.
#include <array>
#include <cstdint>
#include <string>

#include "bet/bet.h"
#include "core/ground.h"
#include "core/timer.h"
#include "judge/judge.h"
#include "lamps/bet_lamps.h"
#include "lamps/reel_lamps.h"
#include "menu/menu_entries.h"
#include "reels/reels.h"
#include "save/dialog_rules.h"
#include "save/save_file.h"

namespace kararion::machine {

class Game : public Ground {
public:
    // `host` learns of every timer switched on or off; `programDir` is the folder
    // of the running program, where the sounds live.
    Game(Effects& effects, TimerHost& host, std::string programDirectory = ".");
    // Switches every timer off, so that the host forgets them.
    ~Game();

    lamps::BetLamps betLamps{*this};
    lamps::ReelLamps reelLamps{*this};
    bet::Betting betting{*this, betLamps};
    judge::Judge judge{*this, betLamps, betting};
    reels::Reels reels{*this, reelLamps, betting, judge};
    menu::Menu menu{betting, reels};
    save::SaveFiles saveFiles{*this};
    save::SaveDialog saveDialog{*this, saveFiles};
    save::LoadDialog loadDialog{*this, saveFiles};

    std::int32_t clickStep = 0;  // place in the click cycle, 1..7 after the first click

    // Every game timer, in a fixed order.
    std::array<GameTimer*, 7> Timers();
};

}  // namespace kararion::machine

namespace kararion {
// The game everyone above the rules deals with.
using machine::Game;
}  // namespace kararion
