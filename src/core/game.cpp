#include "core/game.h"

#include <stdexcept>

#include "machine/machine.h"

namespace kararion {
namespace {

int Checked(int value, int low, int high, const char* what) {
    if (value < low || value > high) throw std::out_of_range(what);
    return value;
}

}  // namespace

MainWindowState::MainWindowState() {
    led_.fill(kCyan);
    for (auto& pair : line_) pair.fill(kDefaultText);
    for (Caption& s : stop_) s = Caption{true, kDarkNavy};
    for (int reel = 1; reel <= 3; ++reel)
        for (int row = 1; row <= 3; ++row) slot_[reel - 1][row - 1] = LoadPicture(reel, row);
    sl_ = {"0<>1<>2<>3<>4<>5<>6<>7<>8<>9<>10<>", "0<>3<>6<>9<>2<>5<>8<>10<>1<>4<>7<>",
           "0<>4<>8<>10<>2<>6<>9<>7<>5<>1<>3<>"};
}

Colour& MainWindowState::LED(int index) { return led_.at(Checked(index, 0, 2, "LED")); }
const Colour& MainWindowState::LED(int index) const { return led_.at(Checked(index, 0, 2, "LED")); }
Colour& MainWindowState::Line(int line, int end) {
    return line_.at(Checked(line, 1, 3, "Line") - 1).at(Checked(end, 0, 1, "Line end"));
}
const Colour& MainWindowState::Line(int line, int end) const {
    return line_.at(Checked(line, 1, 3, "Line") - 1).at(Checked(end, 0, 1, "Line end"));
}
Caption& MainWindowState::Stop(int reel) { return stop_.at(Checked(reel, 1, 3, "Stop") - 1); }
const Caption& MainWindowState::Stop(int reel) const { return stop_.at(Checked(reel, 1, 3, "Stop") - 1); }
Picture& MainWindowState::Slot(int reel, int row) {
    return slot_.at(Checked(reel, 1, 3, "Slot") - 1).at(Checked(row, 1, 3, "Slot row") - 1);
}
const Picture& MainWindowState::Slot(int reel, int row) const {
    return slot_.at(Checked(reel, 1, 3, "Slot") - 1).at(Checked(row, 1, 3, "Slot row") - 1);
}
std::string& MainWindowState::SL(int reel) { return sl_.at(Checked(reel, 1, 3, "SL") - 1); }
GameTimer& MainWindowState::SLT(int reel) {
    switch (Checked(reel, 1, 3, "SLT")) {
        case 1: return SLT1;
        case 2: return SLT2;
        default: return SLT3;
    }
}

Game::Game(Effects& effects, TimerHost& host, std::string programDirectory)
    : fx(effects), programDir(std::move(programDirectory)) {
    for (GameTimer* timer : Timers()) timer->SetHost(&host);
    form1.SLT1.SetTick([this] { Form1::SLT1_Timer(*this); });
    form1.SLT2.SetTick([this] { Form1::SLT2_Timer(*this); });
    form1.SLT3.SetTick([this] { Form1::SLT3_Timer(*this); });
    form1.LineLed.SetTick([this] { Form1::LineLed_Timer(*this); });
    form1.BetLed.SetTick([this] { Form1::BetLed_Timer(*this); });
    form1.CoinUp.SetTick([this] { Form1::CoinUp_Timer(*this); });
    form1.AtariSe.SetTick([this] { Form1::AtariSe_Timer(*this); });
}

Game::~Game() {
    for (GameTimer* timer : Timers()) timer->SetEnabled(false);
}

std::array<GameTimer*, 7> Game::Timers() {
    return {&form1.SLT1, &form1.SLT2, &form1.SLT3, &form1.LineLed, &form1.BetLed, &form1.CoinUp, &form1.AtariSe};
}

}  // namespace kararion
