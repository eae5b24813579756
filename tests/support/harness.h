#pragma once
// A machine on the virtual clock with recording effects, loaded as at program
// start, and a few moves a player makes.
#include <string>
#include <vector>

#include "core/counters.h"
#include "core/effects.h"
#include "core/game.h"
#include "core/virtual_clock.h"
#include "machine/machine.h"

namespace kararion::testing {

class Machine {
public:
    explicit Machine(std::string programDir = "/opt/kararion") : game(fx, clock, std::move(programDir)) {
        machine::Load(game);
    }

    RecordingEffects fx;
    VirtualClock clock;
    Game game;

    double Counter(const std::string& field) const { return ReadCounter(field); }

    // Puts symbols (Img element numbers) into the nine cells: rows top to bottom, reels left to right.
    void ShowSymbols(const std::vector<std::vector<Picture>>& rows) {
        for (int row = 1; row <= 3; ++row)
            for (int reel = 1; reel <= 3; ++reel) game.main.Cell(reel, row) = rows[row - 1][reel - 1];
    }

    // The sound names played so far, read back from the paths given to the device.
    std::vector<std::string> Sounds() const;

    void Advance(std::int64_t ms) { clock.Advance(ms); }
};

// Reads a wave path back to its sound name ("betup.wav" -> "BetUp"), "" for none.
std::string SoundNameOfPath(const std::string& path);

}  // namespace kararion::testing
