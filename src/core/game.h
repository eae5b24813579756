#pragma once
// The whole machine as the rules see it: every control property that the game
// sets or tests, the counters as text, the window variables and each module's
// private variables. The windows draw this state; they keep none of their own.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/effects.h"
#include "core/picture.h"
#include "core/timer.h"

namespace kararion {

// A label: its enabled flag and its text colour.
struct Caption {
    bool enabled = true;
    Colour foreColor = kDefaultText;
};

// Form1: the main window with the reels.
class MainWindowState {
public:
    MainWindowState();

    Colour& LED(int index);            // reel lamps, 0..2, fill colour
    Colour& Line(int line, int end);   // bet lamps Line1..Line3 (1..3), end 0 left / 1 right; text colour
    Caption& Stop(int reel);           // stop buttons Stop1..Stop3 (1..3)
    Picture& Slot(int reel, int row);  // cells Slot1..Slot3 (1..3), rows 1 (top)..3
    std::string& SL(int reel);         // strip text fields SL1..SL3 (1..3)
    GameTimer& SLT(int reel);          // reel timers SLT1..SLT3 (1..3)

    const Colour& LED(int index) const;
    const Colour& Line(int line, int end) const;
    const Caption& Stop(int reel) const;
    const Picture& Slot(int reel, int row) const;

    GameTimer SLT1{"SLT1", 50};
    GameTimer SLT2{"SLT2", 40};
    GameTimer SLT3{"SLT3", 60};
    GameTimer LineLed{"LineLed", 300};
    GameTimer BetLed{"BetLed", 100};
    GameTimer CoinUp{"CoinUp", 10};
    GameTimer AtariSe{"AtariSe", 1000};

    std::int32_t Num = 0;        // the winning line the bet lamps flash
    std::int32_t ClickStep = 0;  // place in the click cycle, 1..7 after the first click

private:
    std::array<Colour, 3> led_;
    std::array<std::array<Colour, 2>, 3> line_;
    std::array<Caption, 3> stop_;
    std::array<std::array<Picture, 3>, 3> slot_;
    std::array<std::string, 3> sl_;
};

// Form6: the information window with the seven counters and the bet buttons.
struct InfoWindowState {
    // Design-time texts; the main window's load writes the start values.
    std::string Bet = "Bet";
    std::string Run = "Run";
    std::string Lost = "Lost";
    std::string Win = "Win";
    std::string Coin = "Coin";
    std::string UsedCoin = "UsedCoin";
    std::string WinCoin = "WinCoin";
    Caption BetUp;
    Caption BetDown;
};

// Form5: the menu window.
struct MenuWindowState {
    Caption Start{false, kBlack};
    Caption Save{true, kBlack};
    Caption Loading{true, kBlack};
    Caption Version{true, kBlack};
    Caption Ended{true, kBlack};
};

// Form2 (save) and Form3 (load): the name field, the list and two text buttons.
struct SaveDialogState {
    std::string FileName = "FileName";
    std::vector<std::string> files;  // names listed by File1
    Caption Action{true, kBlack};    // "セーブ" (Save) or "ロード" (Loaded)
    Caption Cancel{true, kBlack};
};

// Private variables of the modules; zero or empty at start, never saved.
struct RunCState {
    std::int32_t ReelPos1 = 0, ReelPos2 = 0, ReelPos3 = 0;
    std::vector<std::string> ReelStrip1, ReelStrip2, ReelStrip3;
};
struct StopCState {
    std::int32_t StopCount = 0;
};
struct JudgCState {
    std::int32_t Payout = 0;
};
struct BetLedCState {
    std::int32_t BetLampPhase = 0;
};
struct LineLEDCState {
    std::int32_t ReelLampStep = 0;
};
struct FileCState {
    std::array<std::string, 6> fields;  // working texts, in file order
};

// data counter hook: watchers beside the rules hear of these; the rules never
// depend on who listens.
struct GameEvents {
    std::function<void(bool won)> gameEnded;  // a loss or a replay judged, a payout counted up
    std::function<void()> countersReplaced;   // a load wrote all six saved counters
};

class Game {
public:
    // `host` learns of every timer switched on or off; `programDir` is the folder
    // of the running program, where the sounds live.
    Game(Effects& effects, TimerHost& host, std::string programDir = ".");
    // Switches every timer off, so that the host forgets them.
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Effects& fx;
    std::string programDir;
    std::string dataDir = "./data/";  // save files, under the working directory

    MainWindowState form1;
    InfoWindowState form6;
    MenuWindowState form5;
    SaveDialogState form2;  // save dialog
    SaveDialogState form3;  // load dialog

    RunCState runC;
    StopCState stopC;
    JudgCState judgC;
    BetLedCState betLedC;
    LineLEDCState lineLedC;
    FileCState fileC;

    GameEvents events;  // data counter hook
    void NotifyGameEnded(bool won) const {
        if (events.gameEnded) events.gameEnded(won);
    }
    void NotifyCountersReplaced() const {
        if (events.countersReplaced) events.countersReplaced();
    }

    // Every game timer of the main window, in a fixed order.
    std::array<GameTimer*, 7> Timers();
};

}  // namespace kararion
