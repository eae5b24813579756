#include "paytable/paytable.h"

#include <algorithm>

#include "core/tuning.h"

namespace kararion::paytable {

const std::array<PayLine, 5>& PayLines() {
    static constexpr std::array<PayLine, 5> kLines{{
        {{{{1, 1}, {2, 1}, {3, 1}}}, false, "上段"},
        {{{{1, 2}, {2, 2}, {3, 2}}}, false, "中段"},
        {{{{1, 3}, {2, 3}, {3, 3}}}, false, "下段"},
        {{{{1, 1}, {2, 2}, {3, 3}}}, true, "右下がり"},
        {{{{1, 3}, {2, 2}, {3, 1}}}, true, "右上がり"},
    }};
    return kLines;
}

const PayLine* LineNumbered(int line) {
    if (line < 1 || line > 5) return nullptr;
    return &PayLines()[static_cast<std::size_t>(line - 1)];
}

bool Opens(const PayLine& line, int litRows) {
    if (line.diagonal) return litRows >= 3;
    return line.cells[0].row <= litRows;
}

const std::array<Payout, 10>& PayoutTable() {
    using namespace tuning;
    static constexpr std::array<Payout, 10> kTable{{
        {Symbol::Seven, kSevenPays},
        {Symbol::Bar, kBarPays},
        {Symbol::Star, kStarPays},
        {Symbol::Melon, kMelonPays},
        {Symbol::Bell, kBellPays},
        {Symbol::Grapes, kGrapesPays},
        {Symbol::Peach, kPeachPays},
        {Symbol::Watermelon, kWatermelonPays},
        {Symbol::Orange, kOrangePays},
        {Symbol::Replay, kReplayPayout},
    }};
    return kTable;
}

std::optional<std::int32_t> LookUpPayout(Picture picture) {
    for (const auto& [symbol, coins] : PayoutTable()) {
        if (picture == PictureOf(symbol)) return coins;
    }
    return std::nullopt;
}

std::string_view SpokenName(Symbol symbol) {
    switch (symbol) {
        case Symbol::Bell: return "ベル";
        case Symbol::Seven: return "セブン";
        case Symbol::Star: return "スター";
        case Symbol::Grapes: return "ブドウ";
        case Symbol::Peach: return "モモ";
        case Symbol::Watermelon: return "スイカ";
        case Symbol::Bar: return "BAR";
        case Symbol::Melon: return "メロン";
        case Symbol::Replay: return "リプレイ";
        case Symbol::Orange: return "オレンジ";
    }
    return {};
}

std::int32_t LargestPayout() {
    std::int32_t largest = 0;
    for (const Payout& p : PayoutTable()) largest = std::max(largest, p.coins);
    return largest;
}

}  // namespace kararion::paytable
