#include "session/game_sheet.h"

#include "judge/judge.h"
#include "reels/strips.h"

namespace kararion::session {
namespace {

// A reel cycles through strip elements 1 to 10: element 0 heads the text and
// the last is what the final separator leaves.
constexpr std::size_t kPositions = 10;

}  // namespace

MachineSheet SheetOfGame(Game& g) {
    MachineSheet sheet;
    for (int reel = 1; reel <= 3; ++reel) {
        const std::vector<std::string> elements = SplitStrip(g.main.StripText(reel));
        std::vector<int> strip;
        for (std::size_t p = 1; p <= kPositions && p < elements.size(); ++p)
            strip.push_back(PictureOfElement(elements[p]));
        sheet.strips.push_back(strip);
    }
    // Top, middle and bottom row, the falling and the rising diagonal.
    sheet.lines = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {0, 1, 2}, {2, 1, 0}};
    // The bet lamps a stake lights; a replay lights them all.
    sheet.linesOfBet = {{0}, {0, 1}, {0, 1, 2, 3, 4}};
    sheet.replayLines = {0, 1, 2, 3, 4};
    sheet.prize = [](int symbol) {
        const std::optional<std::int32_t> payout = judge::LookUpPayout(symbol);
        if (!payout) return Prize{};
        if (*payout == judge::kReplayPayout) return Prize{0, true};
        return Prize{*payout, false};
    };
    return sheet;
}

}  // namespace kararion::session
