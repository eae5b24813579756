#pragma once
// The machine's table: the five pay lines, what three of each symbol pay, and
// what each symbol is called aloud. The judgement, the lamps, the odds, the
// win frame, the help and the announcements all read it from here.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/symbol.h"

namespace kararion::paytable {

struct CellAt {
    int reel;  // 1..3
    int row;   // 1 (top)..3
};

// A line's three cells, reels 1 to 3. A row shows on the bet lamps at both its
// ends; a diagonal at the left end of the row it starts in and the right end of
// the row it ends in: the rows of its first and last cell.
struct PayLine {
    std::array<CellAt, 3> cells;
    bool diagonal;
    std::string_view spokenName;  // "上段", "中段", "下段", "右下がり", "右上がり"
};

// The lines in the order they are judged: top, middle, bottom, falling and
// rising diagonal. Line n (1..5) is PayLines()[n - 1].
const std::array<PayLine, 5>& PayLines();
// Line 1..5, or nothing outside that.
const PayLine* LineNumbered(int line);

// Whether a line is open when the stake has lit the rows 1..`litRows`: a row
// when it is lit, a diagonal only when all three are.
bool Opens(const PayLine& line, int litRows);

// The payout counter's mark for three replays: no coins, the next game starts at once.
constexpr std::int32_t kReplayPayout = -2;

struct Payout {
    Symbol symbol;
    std::int32_t coins;  // or kReplayPayout
};
// In the order it is tried, the highest payout first.
const std::array<Payout, 10>& PayoutTable();

// The most one game can pay.
std::int32_t LargestPayout();

// The payout of three of a picture: coins or kReplayPayout; nothing for a
// picture that is none of the ten symbols.
std::optional<std::int32_t> LookUpPayout(Picture picture);

// What a symbol is called aloud: "ベル", "セブン", "BAR"...
std::string_view SpokenName(Symbol symbol);

}  // namespace kararion::paytable
