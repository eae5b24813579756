#pragma once
// The three reels: the start of a game, their stepping, their stopping, and
// the cells, strips, timers and stop buttons that are theirs.
#include <array>
#include <cstdint>
#include <string>

#include "bet/bet.h"
#include "core/caption.h"
#include "core/ground.h"
#include "core/symbol.h"
#include "core/timer.h"
#include "judge/judge.h"
#include "lamps/reel_lamps.h"

namespace kararion::reels {

class Reels {
public:
    Reels(Ground& ground, lamps::ReelLamps& lamps, judge::Judge& judge);

    // Sets the reels spinning, arms the stop buttons, counts the game and
    // starts the reel lamp chase. Only with coins staked and nothing under
    // way, or for a replay's free game; false when refused.
    bool StartGame(bool replay = false);
    // One step of a reel: the symbols move down one row and a new one enters at the top.
    void SpinReel1();
    void SpinReel2();
    void SpinReel3();
    // Stops a reel where it stands; the third stop of a game judges it.
    // Only while the game spins and that reel has not stopped yet; false when refused.
    bool StopReel1();
    bool StopReel2();
    bool StopReel3();
    bool StopReel(int reel);  // 1..3
    // For spinning and stopping alike: the "Error" sound, the message under
    // "エラー", then every reel halts. Their stop buttons stay armed, so the
    // game can still be stopped and judged.
    void ReportReelError(const std::string& message);

    bool AnyReelSpinning() const;
    // Whether reel 1..3 can be stopped now: its stop button is offered.
    bool Stoppable(int reel) const;

    Picture Cell(int reel, int row) const;  // reel 1..3, row 1 (top)..3
    const Cells& AllCells() const { return cells_; }
    const std::string& StripText(int reel) const;  // each reel's strip as text, reel 1..3
    Caption StopButton(int reel) const;            // reel 1..3
    const GameTimer& ReelTimer(int reel) const;    // reel 1..3
    std::int32_t ReelPosition(int reel) const;     // reel 1..3: its place on its strip
    std::int32_t StopCount() const { return stopCount_; }

private:
    friend class machine::Game;
    friend class machine::GameSetup;

    Picture& CellAt(int reel, int row);
    GameTimer& Timer(int reel);
    void Step(int reel, const char* message);
    bool Stop(int reel);

    Ground& g_;
    lamps::ReelLamps& lamps_;
    judge::Judge& judge_;
    std::array<GameTimer, 3> timers_;
    std::array<std::int32_t, 3> positions_{};
    std::array<bool, 3> stopped_{true, true, true};
    std::array<Colour, 3> stopColours_;
    std::int32_t stopCount_ = 0;
    Cells cells_;
    std::array<std::string, 3> stripTexts_;
};

}  // namespace kararion::reels
