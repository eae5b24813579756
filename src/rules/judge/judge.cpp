#include "judge/judge.h"

#include <array>
#include <limits>

#include "core/counters.h"
#include "lamps/bet_lamps.h"
#include "sound/error_message.h"

namespace kararion::judge {
namespace {

struct Cell {
    int reel;
    int row;
};

// The five lines in the order they are examined. Rows 4 and 5 are the
// diagonals; `row` is the row of the line's reel-1 cell, whose symbol prices the win.
struct PayLine {
    std::array<Cell, 3> cells;
    bool diagonal;
    std::int32_t row;
};

constexpr std::array<PayLine, 5> kLines{{
    {{{{1, 1}, {2, 1}, {3, 1}}}, false, 1},
    {{{{1, 2}, {2, 2}, {3, 2}}}, false, 2},
    {{{{1, 3}, {2, 3}, {3, 3}}}, false, 3},
    {{{{1, 1}, {2, 2}, {3, 3}}}, true, 1},
    {{{{1, 3}, {2, 2}, {3, 1}}}, true, 3},
}};

// The payout table in the order it is tried.
constexpr std::array<std::pair<Symbol, std::int32_t>, 10> kPayouts{{
    {Symbol::Seven, 200},
    {Symbol::Bar, 100},
    {Symbol::Star, 80},
    {Symbol::Melon, 50},
    {Symbol::Bell, 25},
    {Symbol::Grapes, 15},
    {Symbol::Peach, 8},
    {Symbol::Watermelon, 5},
    {Symbol::Orange, 3},
    {Symbol::Replay, kReplayPayout},
}};

// Only the left lamp of a row counts, and only when it is exactly red.
bool RowInPlay(const Game& g, int row) { return g.main.BetLamp(row, kLeftLamp) == kRed; }

bool InPlay(const Game& g, std::size_t line) {
    if (!kLines[line].diagonal) return RowInPlay(g, static_cast<int>(line) + 1);
    return RowInPlay(g, 1) && RowInPlay(g, 2) && RowInPlay(g, 3);
}

bool ThreeOfAKind(const Game& g, const PayLine& line) {
    const Picture a = g.main.Cell(line.cells[0].reel, line.cells[0].row);
    const Picture b = g.main.Cell(line.cells[1].reel, line.cells[1].row);
    const Picture c = g.main.Cell(line.cells[2].reel, line.cells[2].row);
    return a == b && b == c;
}

// The bet is cleared, betting unlocked and the bet lamps darkened: the next
// game may be bet.
void CloseGame(Game& g) {
    g.info.Bet = "0";
    g.info.BetUp.enabled = true;
    g.info.BetDown.enabled = true;
    bet_lamps::DimAllBetLamps(g);
}

}  // namespace

std::optional<std::int32_t> LookUpPayout(Picture picture) {
    for (const auto& [symbol, coins] : kPayouts) {
        if (picture == PictureOf(symbol)) return coins;
    }
    return std::nullopt;
}

void JudgeLines(Game& g) {
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        if (ThreeOfAKind(g, kLines[i]) && InPlay(g, i)) {
            g.main.winningLine = static_cast<std::int32_t>(i) + 1;
            g.main.betLampTimer.SetEnabled(true);
            AddToCounter(g.info.Win, 1);
            AwardPayout(g, kLines[i].row);
            return;  // a game pays one line at most
        }
    }
    AddToCounter(g.info.Lost, 1);
    CloseGame(g);
    g.NotifyGameEnded(false);  // a loss ends the game here
}

void AwardPayout(Game& g, std::int32_t row) {
    const std::optional<std::int32_t> payout = LookUpPayout(g.main.Cell(1, row));
    if (payout) {
        g.judge.Payout = *payout;
    } else {
        ReportJudgeError(g, "配当数が異常です。");
    }
    // The win sound follows even a failed lookup.
    g.main.winSoundTimer.SetEnabled(true);
    if (payout) g.main.coinUpTimer.SetEnabled(true);
    if (payout == kReplayPayout) g.NotifyGameEnded(true);  // a replay ends its game at once
}

CountUp CountUpCoins(Game& g) {
    std::int32_t& payout = g.judge.Payout;
    if (payout == kReplayPayout) {
        g.main.coinUpTimer.SetEnabled(false);
        bet_lamps::LightAllBetLamps(g);
        return CountUp::Replay;
    }
    if (payout > std::numeric_limits<std::int32_t>::min()) --payout;
    if (payout >= 0) {
        AddToCounter(g.info.Coin, 1);
        AddToCounter(g.info.WinCoin, 1);
    } else if (payout == kClosingTick) {
        // Everything is paid: close the game, whatever the bet is by now.
        CloseGame(g);
        g.main.coinUpTimer.SetEnabled(false);
        payout = 0;
        g.NotifyGameEnded(true);  // the payout is counted up: the game is over
    } else {
        ReportJudgeError(g, "コイン配当で異常です。");
    }
    return CountUp::GoesOn;
}

void ReportJudgeError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    g.main.coinUpTimer.SetEnabled(false);
}

}  // namespace kararion::judge
