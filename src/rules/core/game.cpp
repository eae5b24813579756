#include "core/game.h"

#include <stdexcept>

namespace kararion {
namespace {

int Checked(int value, int low, int high, const char* what) {
    if (value < low || value > high) throw std::out_of_range(what);
    return value;
}

}  // namespace

MainWindowState::MainWindowState() {
    reelLamps_.fill(kCyan);
    for (auto& pair : betLamps_) pair.fill(kDefaultText);
    for (Caption& s : stopButtons_) s = Caption{true, kDarkNavy};
    for (int reel = 1; reel <= 3; ++reel)
        for (int row = 1; row <= 3; ++row) cells_[reel - 1][row - 1] = LoadPicture(reel, row);
    stripTexts_ = {"0<>1<>2<>3<>4<>5<>6<>7<>8<>9<>10<>", "0<>3<>6<>9<>2<>5<>8<>10<>1<>4<>7<>",
                   "0<>4<>8<>10<>2<>6<>9<>7<>5<>1<>3<>"};
}

Colour& MainWindowState::ReelLamp(int index) { return reelLamps_.at(Checked(index, 0, 2, "ReelLamp")); }
const Colour& MainWindowState::ReelLamp(int index) const { return reelLamps_.at(Checked(index, 0, 2, "ReelLamp")); }
Colour& MainWindowState::BetLamp(int line, int side) {
    return betLamps_.at(Checked(line, 1, 3, "BetLamp") - 1).at(Checked(side, 0, 1, "BetLamp side"));
}
const Colour& MainWindowState::BetLamp(int line, int side) const {
    return betLamps_.at(Checked(line, 1, 3, "BetLamp") - 1).at(Checked(side, 0, 1, "BetLamp side"));
}
Caption& MainWindowState::StopButton(int reel) { return stopButtons_.at(Checked(reel, 1, 3, "StopButton") - 1); }
const Caption& MainWindowState::StopButton(int reel) const {
    return stopButtons_.at(Checked(reel, 1, 3, "StopButton") - 1);
}
Picture& MainWindowState::Cell(int reel, int row) {
    return cells_.at(Checked(reel, 1, 3, "Cell") - 1).at(Checked(row, 1, 3, "Cell row") - 1);
}
const Picture& MainWindowState::Cell(int reel, int row) const {
    return cells_.at(Checked(reel, 1, 3, "Cell") - 1).at(Checked(row, 1, 3, "Cell row") - 1);
}
std::string& MainWindowState::StripText(int reel) { return stripTexts_.at(Checked(reel, 1, 3, "StripText") - 1); }
GameTimer& MainWindowState::ReelTimer(int reel) {
    switch (Checked(reel, 1, 3, "ReelTimer")) {
        case 1: return reel1Timer;
        case 2: return reel2Timer;
        default: return reel3Timer;
    }
}

void WriteStartCounters(InfoWindowState& info) {
    info.Coin = "100";
    info.Run = "0";
    info.Lost = "0";
    info.Win = "0";
    info.UsedCoin = "0";
    info.WinCoin = "0";
}

void WriteStartValues(InfoWindowState& info) {
    info.Bet = "0";
    WriteStartCounters(info);
}

Game::Game(Effects& effects, TimerHost& host, std::string programDirectory)
    : fx(effects), programDir(std::move(programDirectory)) {
    for (GameTimer* timer : Timers()) timer->SetHost(&host);
}

Game::~Game() {
    for (GameTimer* timer : Timers()) timer->SetEnabled(false);
}

std::array<GameTimer*, 7> Game::Timers() {
    return {&main.reel1Timer,   &main.reel2Timer,  &main.reel3Timer,   &main.reelLampTimer,
            &main.betLampTimer, &main.coinUpTimer, &main.winSoundTimer};
}

}  // namespace kararion
