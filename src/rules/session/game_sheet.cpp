#include "session/game_sheet.h"

#include "paytable/paytable.h"
#include "reels/strips.h"

namespace kararion::session {
namespace {

// A reel cycles through strip elements 1 to 10: element 0 heads the text and
// the last is what the final separator leaves.
constexpr std::size_t kPositions = 10;

}  // namespace

MachineSheet SheetOfGame(const reels::Reels& reels) {
    MachineSheet sheet;
    for (int reel = 1; reel <= 3; ++reel) {
        const std::vector<std::string> elements = reels::SplitStrip(reels.StripText(reel));
        std::vector<int> strip;
        for (std::size_t p = 1; p <= kPositions && p < elements.size(); ++p)
            strip.push_back(reels::PictureOfElement(elements[p]));
        sheet.strips.push_back(strip);
    }
    const auto& lines = paytable::PayLines();
    for (const paytable::PayLine& line : lines) {
        std::vector<int> rows;
        for (const paytable::CellAt& cell : line.cells) rows.push_back(cell.row - 1);
        sheet.lines.push_back(rows);
    }
    // A stake of n lights the rows 1..n; a replay lights them all.
    for (int bet = 1; bet <= 3; ++bet) {
        std::vector<int> open;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (paytable::Opens(lines[i], bet)) open.push_back(static_cast<int>(i));
        sheet.linesOfBet.push_back(open);
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (paytable::Opens(lines[i], 3)) sheet.replayLines.push_back(static_cast<int>(i));
    sheet.prize = [](int symbol) {
        const std::optional<std::int32_t> payout = paytable::LookUpPayout(symbol);
        if (!payout) return Prize{};
        if (*payout == paytable::kReplayPayout) return Prize{0, true};
        return Prize{*payout, false};
    };
    return sheet;
}

}  // namespace kararion::session
