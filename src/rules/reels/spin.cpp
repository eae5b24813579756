#include "reels/spin.h"

#include "reels/reel_error.h"
#include "reels/strips.h"

namespace kararion::spin {
namespace {

struct Reel {
    int number;
    std::int32_t& position;
    std::vector<std::string>& strip;
    const char* message;
};

void Step(Game& g, const Reel& reel) {
    ++reel.position;
    reel.strip = SplitStrip(g.main.StripText(reel.number));
    // The symbols travel down: row 3 takes row 2's very picture, row 2 takes row 1's.
    g.main.Cell(reel.number, 3) = g.main.Cell(reel.number, 2);
    g.main.Cell(reel.number, 2) = g.main.Cell(reel.number, 1);
    if (reel.position > 10) reel.position = 1;
    // A position the wrap cannot produce, including one past the strip's end,
    // is reported rather than read.
    if (reel.position <= 0 || static_cast<std::size_t>(reel.position) >= reel.strip.size()) {
        ReportReelError(g, reel.message);
        return;
    }
    g.main.Cell(reel.number, 1) = PictureOfElement(reel.strip[static_cast<std::size_t>(reel.position)]);
}

}  // namespace

void SpinReel1(Game& g) { Step(g, {1, g.spin.ReelPos1, g.spin.ReelStrip1, "画像値1が異常です。"}); }
void SpinReel2(Game& g) { Step(g, {2, g.spin.ReelPos2, g.spin.ReelStrip2, "画像値2が異常です"}); }
void SpinReel3(Game& g) { Step(g, {3, g.spin.ReelPos3, g.spin.ReelStrip3, "画像値3が異常です。"}); }

}  // namespace kararion::spin
