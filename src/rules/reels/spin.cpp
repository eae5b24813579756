#include "reels/reels.h"
#include "reels/strips.h"

namespace kararion::reels {

void Reels::Step(int reel, const char* message) {
    std::int32_t& position = positions_[static_cast<std::size_t>(reel - 1)];
    ++position;
    const std::vector<std::string> strip = SplitStrip(StripText(reel));
    // The symbols travel down: row 3 takes row 2's very picture, row 2 takes row 1's.
    CellAt(reel, 3) = CellAt(reel, 2);
    CellAt(reel, 2) = CellAt(reel, 1);
    if (position > 10) position = 1;
    // A position the wrap cannot produce, including one past the strip's end,
    // is reported rather than read.
    if (position <= 0 || static_cast<std::size_t>(position) >= strip.size()) {
        ReportReelError(message);
        return;
    }
    CellAt(reel, 1) = PictureOfElement(strip[static_cast<std::size_t>(position)]);
}

void Reels::SpinReel1() { Step(1, "画像値1が異常です。"); }
void Reels::SpinReel2() { Step(2, "画像値2が異常です"); }
void Reels::SpinReel3() { Step(3, "画像値3が異常です。"); }

}  // namespace kararion::reels
