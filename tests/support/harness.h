#pragma once
// A machine on the virtual clock with recording effects, loaded as at program
// start, the moves a player makes, and how a failing check names what it saw.
// Plain C++: the rules tests, the window tests and the fuzzer share it.
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "core/colour.h"
#include "core/counters.h"
#include "core/symbol.h"
#include "core/virtual_clock.h"
#include "machine/game.h"
#include "setup/game_setup.h"
#include "setup/recording_effects.h"

namespace kararion::testing {

// The nine cells as the player sees them: rows top to bottom, reels left to right.
using Rows = std::vector<std::vector<Symbol>>;

class Machine {
public:
    explicit Machine(std::string programDir = "/opt/kararion");

    RecordingEffects fx;
    VirtualClock clock;
    Game game;

    // The set-up door, for states no quick player could reach.
    machine::GameSetup Setup() { return machine::GameSetup(game); }

    // Puts symbols into the nine cells.
    void ShowSymbols(const Rows& rows);

    // Bets `coins` with the bet button and starts with the menu.
    void BetAndStart(int coins = 1);
    // Clicks the three stop buttons, left to right.
    void StopAllReels();
    // Bets, starts, puts `rows` in view and stops the three reels.
    void Play(int coins, const Rows& rows);

    // The sound names played so far, read back from the paths given to the device.
    std::vector<std::string> Sounds() const;

    void Advance(std::int64_t ms) { clock.Advance(ms); }
};

// Every game timer, read-only.
std::vector<const GameTimer*> AllTimers(const Game& g);

// Saves or loads under `name` as a player would: the name typed, then the dialog's button.
void SaveAs(Game& g, const std::string& name);
void LoadFrom(Game& g, const std::string& name);

// Reads a wave path back to its sound name ("betup.wav" -> "BetUp"), "" for none.
std::string SoundNameOfPath(const std::string& path);

// The six saved counters, in the order of the save file: Coin, Run, Lost, Win, UsedCoin, WinCoin.
using Six = std::array<Count, 6>;
Six SavedCounters(const Game& g);
void SetSavedCounters(Game& g, const Six& v);

// A colour's name as the game's colours are known ("cyan", "dark teal"), or its parts.
std::string ColourName(Colour colour);

}  // namespace kararion::testing

namespace kararion {

// For GoogleTest's messages: found by argument-dependent lookup.
void PrintTo(Colour colour, std::ostream* out);
void PrintTo(Symbol symbol, std::ostream* out);

}  // namespace kararion
