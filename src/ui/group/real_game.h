#pragma once
// The game as the player gets it: the windows on Qt's clock, with a real
// beep, real message boxes and real sound.
#include <string>

#include "ui/group/game_windows.h"
#include "ui/seams/qt_effects.h"
#include "ui/seams/qt_timer_host.h"

namespace kararion::ui {

class RealGame {
public:
    explicit RealGame(std::string programDir);

    GameWindows& windows() { return windows_; }
    const Game& game() const { return game_; }
    QtTimerHost& timers() { return timers_; }
    QtEffects& effects() { return effects_; }

    // Shows the windows; the sounds are decoded once the windows are up.
    void Start();

private:
    QtEffects effects_;
    QtTimerHost timers_;
    Game game_;
    GameWindows windows_;
};

}  // namespace kararion::ui
