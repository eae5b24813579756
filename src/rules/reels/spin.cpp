#include "reels/reels.h"
#include "reels/strips.h"

namespace kararion::reels {

void Reels::Step(int reel, std::int32_t& position, const char* message) {
    ++position;
    const std::vector<std::string> strip = SplitStrip(StripText(reel));
    // The symbols travel down: row 3 takes row 2's very picture, row 2 takes row 1's.
    Cell(reel, 3) = Cell(reel, 2);
    Cell(reel, 2) = Cell(reel, 1);
    if (position > 10) position = 1;
    // A position the wrap cannot produce, including one past the strip's end,
    // is reported rather than read.
    if (position <= 0 || static_cast<std::size_t>(position) >= strip.size()) {
        ReportReelError(message);
        return;
    }
    Cell(reel, 1) = PictureOfElement(strip[static_cast<std::size_t>(position)]);
}

void Reels::SpinReel1() { Step(1, ReelPos1, "画像値1が異常です。"); }
void Reels::SpinReel2() { Step(2, ReelPos2, "画像値2が異常です"); }
void Reels::SpinReel3() { Step(3, ReelPos3, "画像値3が異常です。"); }

}  // namespace kararion::reels
