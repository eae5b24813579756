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
    Reels(Ground& ground, lamps::ReelLamps& lamps, bet::Betting& betting, judge::Judge& judge);

    // Freezes the bet, sets the reels spinning, arms the stop buttons, counts the
    // game and starts the reel lamp chase. Checks nothing: the guards are the callers'.
    void StartGame(bool replay = false);
    // One step of a reel: the symbols move down one row and a new one enters at the top.
    void SpinReel1();
    void SpinReel2();
    void SpinReel3();
    // Stops a reel where it stands; the third stop of a game judges it.
    void StopReel1();
    void StopReel2();
    void StopReel3();
    // For spinning and stopping alike: the "Error" sound, the message under
    // "エラー", then every reel halts.
    void ReportReelError(const std::string& message);

    bool AnyReelSpinning() const { return reel1Timer.Enabled() || reel2Timer.Enabled() || reel3Timer.Enabled(); }
    // From the start until the last stop is judged and its payout counted up
    // (a replay's free game included).
    bool GameUnderWay() const { return AnyReelSpinning() || judge_.CountingUp(); }

    Picture& Cell(int reel, int row);  // reel 1..3, row 1 (top)..3
    const Picture& Cell(int reel, int row) const;
    const Cells& AllCells() const { return cells_; }
    std::string& StripText(int reel);  // each reel's strip as text, reel 1..3
    const std::string& StripText(int reel) const;
    Caption& StopButton(int reel);  // reel 1..3
    const Caption& StopButton(int reel) const;
    GameTimer& ReelTimer(int reel);  // reel 1..3

    GameTimer reel1Timer;
    GameTimer reel2Timer;
    GameTimer reel3Timer;
    std::int32_t ReelPos1 = 0, ReelPos2 = 0, ReelPos3 = 0;
    std::int32_t StopCount = 0;

private:
    void Step(int reel, std::int32_t& position, const char* message);
    void Stop(int reel);

    Ground& g_;
    lamps::ReelLamps& lamps_;
    bet::Betting& betting_;
    judge::Judge& judge_;
    Cells cells_;
    std::array<std::string, 3> stripTexts_;
    std::array<Caption, 3> stopButtons_;
};

}  // namespace kararion::reels
