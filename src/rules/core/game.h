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
#include "core/symbol.h"
#include "core/timer.h"

namespace kararion {

// A label: its enabled flag and its text colour.
struct Caption {
    bool enabled = true;
    Colour foreColor = kDefaultText;
};

// The bet lamps stand in pairs, one at each end of a row.
constexpr int kLeftLamp = 0;
constexpr int kRightLamp = 1;

// The main window: the reels' cells, the lamps, the stop buttons and every timer.
class MainWindowState {
public:
    MainWindowState();

    Colour& ReelLamp(int index);          // the lamps above the reels, 0..2: fill colour
    Colour& BetLamp(int line, int side);  // line 1..3, kLeftLamp or kRightLamp: text colour
    Caption& StopButton(int reel);        // reel 1..3
    Picture& Cell(int reel, int row);     // reel 1..3, row 1 (top)..3
    std::string& StripText(int reel);     // each reel's strip as text, reel 1..3
    GameTimer& ReelTimer(int reel);       // reel 1..3
    bool AnyReelSpinning() const { return reel1Timer.Enabled() || reel2Timer.Enabled() || reel3Timer.Enabled(); }

    const Colour& ReelLamp(int index) const;
    const Colour& BetLamp(int line, int side) const;
    const Caption& StopButton(int reel) const;
    const Picture& Cell(int reel, int row) const;

    // The timers keep the names the windows and the figures know them by.
    GameTimer reel1Timer{"SLT1", 50};
    GameTimer reel2Timer{"SLT2", 40};
    GameTimer reel3Timer{"SLT3", 60};
    GameTimer reelLampTimer{"LineLed", 300};   // the chase of the reel lamps
    GameTimer betLampTimer{"BetLed", 100};     // the flash of the winning line
    GameTimer coinUpTimer{"CoinUp", 10};       // one coin of a payout a tick
    GameTimer winSoundTimer{"AtariSe", 1000};  // the win sound, once

    std::int32_t winningLine = 0;  // the line the bet lamps flash, 1..5
    std::int32_t clickStep = 0;    // place in the click cycle, 1..7 after the first click

private:
    std::array<Colour, 3> reelLamps_;
    std::array<std::array<Colour, 2>, 3> betLamps_;
    std::array<Caption, 3> stopButtons_;
    std::array<std::array<Picture, 3>, 3> cells_;
    std::array<std::string, 3> stripTexts_;
};

// The information window: with the seven counters and the bet buttons.
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

// The six counters a save file keeps, set to a new game's values: 100 coins, all else 0.
void WriteStartCounters(InfoWindowState& info);
// All seven counters as the program starts: those six and no bet.
void WriteStartValues(InfoWindowState& info);

// The menu window: its five entries.
struct MenuWindowState {
    Caption Start{false, kBlack};
    Caption Save{true, kBlack};
    Caption Loading{true, kBlack};
    Caption Version{true, kBlack};
    Caption Ended{true, kBlack};
};

// The save and the load dialog alike: the name field, the file list and two text buttons.
struct FileDialogState {
    std::string FileName = "FileName";
    std::vector<std::string> files;  // the names in the file list
    Caption Action{true, kBlack};    // "セーブ" (Save) or "ロード" (Loaded)
    Caption Cancel{true, kBlack};
};

// Private variables of the modules; zero or empty at start, never saved.
struct SpinState {
    std::int32_t ReelPos1 = 0, ReelPos2 = 0, ReelPos3 = 0;
    std::vector<std::string> ReelStrip1, ReelStrip2, ReelStrip3;
};
struct StopState {
    std::int32_t StopCount = 0;
};
struct JudgeState {
    std::int32_t Payout = 0;
};
struct BetLampsState {
    std::int32_t BetLampPhase = 0;
};
struct ReelLampsState {
    std::int32_t ReelLampStep = 0;
};
struct SaveFileState {
    std::array<std::string, 6> fields;  // working texts, in file order
};

// Watchers beside the rules hear of these; the rules never
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

    MainWindowState main;
    InfoWindowState info;
    MenuWindowState menu;
    FileDialogState saveDialog;
    FileDialogState loadDialog;

    SpinState spin;
    StopState stop;
    JudgeState judge;
    BetLampsState betLamps;
    ReelLampsState reelLamps;
    SaveFileState saveFile;

    GameEvents events;
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
