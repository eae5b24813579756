#include "machine/game.h"

namespace kararion::machine {

Game::Game(Effects& effects, TimerHost& host, std::string programDirectory)
    : Ground(effects, std::move(programDirectory)) {
    for (GameTimer* timer : Timers()) timer->SetHost(&host);
    FollowPhase();
}

Game::~Game() {
    for (GameTimer* timer : Timers()) timer->SetEnabled(false);
}

std::array<GameTimer*, 7> Game::Timers() {
    return {&reels_.timers_[0],       &reels_.timers_[1],   &reels_.timers_[2],    &reelLamps_.reelLampTimer_,
            &betLamps_.betLampTimer_, &judge_.coinUpTimer_, &judge_.winSoundTimer_};
}

const save::FileDialogRules& Game::fileDialog(FileDialogKind kind) const {
    if (kind == FileDialogKind::Save) return saveDialog_;
    return loadDialog_;
}

save::FileDialogRules& Game::Dialog(FileDialogKind kind) {
    if (kind == FileDialogKind::Save) return saveDialog_;
    return loadDialog_;
}

// The modules say what happened; the phase follows from it, here alone. The
// machine listens first, so every other listener hears the phase already moved.
void Game::FollowPhase() {
    phaseFollowers_ = {
        events_.betChanged.Connect(
            [this](const BetChange& b) { SetPhase(b.bet > 0 ? Phase::Staked : Phase::BetweenGames); }),
        events_.gameStarted.Connect([this](bool) { SetPhase(Phase::Spinning); }),
        events_.judged.Connect([this](const Judgement& j) {
            if (!j.Won()) {
                SetPhase(Phase::BetweenGames);
            } else {
                SetPhase(j.replay ? Phase::Replay : Phase::PayingOut);
            }
        }),
        events_.payoutFinished.Connect([this](Count) { SetPhase(Phase::BetweenGames); }),
    };
}

void Game::SetPhase(Phase phase) {
    if (phase == phase_.now_) return;
    phase_.now_ = phase;
    events_.phaseChanged(phase);
    if (phase == Phase::BetweenGames && counters().OutOfCoins()) events_.coinsRanOut();
}

void Game::ClickDialogAction(FileDialogKind kind) {
    if (kind == FileDialogKind::Save) {
        saveDialog_.ClickSave();
        return;
    }
    // A load that leaves nothing to play says so.
    if (loadDialog_.ClickLoad() && counters().OutOfCoins()) events_.coinsRanOut();
}

void Game::StartAfresh() {
    if (!gamePhase().Allows(Command::StartAfresh)) return Refuse(Command::StartAfresh, Reason::NotNow, false);
    if (!counters().OutOfCoins()) return Refuse(Command::StartAfresh, Reason::CoinsLeft, false);
    counters_.StartAfresh();
    events_.startedAfresh(Restored{counters().Coin(), counters().Run()});
}

void Game::Perform(const Order& order) {
    using Kind = Order::Kind;
    switch (order.kind) {
        case Kind::ClickBackground: return ClickBackground();
        case Kind::ClickStop: return ClickStop(order.reel);
        case Kind::ClickBetUp: return ClickBetUp();
        case Kind::ClickBetDown: return ClickBetDown();
        case Kind::HoverBetUp: return HoverBetUp();
        case Kind::HoverBetDown: return HoverBetDown();
        case Kind::HoverBetBackground: return HoverBetBackground();
        case Kind::ClickStart: return ClickStart();
        case Kind::HoverMenu: return HoverMenu(order.entry);
        case Kind::HoverMenuBackground: return HoverMenuBackground();
        case Kind::OpenDialog: return OpenDialog(order.dialog);
        case Kind::TypeName: return TypeName(order.dialog, order.text);
        case Kind::PickFile: return PickFile(order.dialog, order.text);
        case Kind::ClickDialogAction: return ClickDialogAction(order.dialog);
        case Kind::HoverDialogAction: return HoverDialogAction(order.dialog);
        case Kind::HoverCancel: return HoverCancel(order.dialog);
        case Kind::HoverDialogBackground: return HoverDialogBackground(order.dialog);
        case Kind::SetSaveFolder: return SetSaveFolder(order.text);
        case Kind::StartAfresh: return StartAfresh();
        case Kind::EndProgram: return EndProgram();
    }
}

}  // namespace kararion::machine
