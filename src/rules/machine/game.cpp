#include "machine/game.h"

namespace kararion::machine {

Game::Game(Effects& effects, TimerHost& host, std::string programDirectory)
    : Ground(effects, std::move(programDirectory)) {
    for (GameTimer* timer : Timers()) timer->SetHost(&host);
}

Game::~Game() {
    for (GameTimer* timer : Timers()) timer->SetEnabled(false);
}

std::array<GameTimer*, 7> Game::Timers() {
    return {&reels.reel1Timer,      &reels.reel2Timer,  &reels.reel3Timer,   &reelLamps.reelLampTimer,
            &betLamps.betLampTimer, &judge.coinUpTimer, &judge.winSoundTimer};
}

}  // namespace kararion::machine
