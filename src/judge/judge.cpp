#include "judge/judge.h"

#include <array>
#include <limits>

#include "core/counters.h"
#include "core/error_box.h"
#include "lamps/bet_lamps.h"
#include "reels/start.h"

namespace kararion::JudgC {
namespace {

constexpr std::int32_t kReplay = -2;

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

// The payout table in the order it is tried: Img element, coins.
constexpr std::array<std::pair<Picture, std::int32_t>, 10> kPayouts{{
    {2, 200},
    {7, 100},
    {3, 80},
    {8, 50},
    {1, 25},
    {4, 15},
    {5, 8},
    {6, 5},
    {10, 3},
    {9, kReplay},
}};

// Only the left lamp of a row counts, and only when it is exactly red.
bool RowInPlay(const Game& g, int row) { return g.form1.Line(row, 0) == kRed; }

bool InPlay(const Game& g, std::size_t line) {
    if (!kLines[line].diagonal) return RowInPlay(g, static_cast<int>(line) + 1);
    return RowInPlay(g, 1) && RowInPlay(g, 2) && RowInPlay(g, 3);
}

bool ThreeOfAKind(const Game& g, const PayLine& line) {
    const Picture a = g.form1.Slot(line.cells[0].reel, line.cells[0].row);
    const Picture b = g.form1.Slot(line.cells[1].reel, line.cells[1].row);
    const Picture c = g.form1.Slot(line.cells[2].reel, line.cells[2].row);
    return a == b && b == c;
}

}  // namespace

bool LookUpPayout(Picture picture, std::int32_t& payout) {
    for (const auto& [symbol, coins] : kPayouts) {
        if (picture == symbol) {
            payout = coins;
            return true;
        }
    }
    return false;
}

void JudgeLines(Game& g) {
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        if (ThreeOfAKind(g, kLines[i]) && InPlay(g, i)) {
            g.form1.Num = static_cast<std::int32_t>(i) + 1;
            g.form1.BetLed.SetEnabled(true);
            AddToCounter(g.form6.Win, 1);
            std::int32_t row = kLines[i].row;
            AwardPayout(g, row);
            return;  // a game pays one line at most
        }
    }
    AddToCounter(g.form6.Lost, 1);
    g.form6.Bet = "0";
    g.form6.BetUp.enabled = true;
    g.form6.BetDown.enabled = true;
    BetLedC::DimAllBetLamps(g);
    g.NotifyGameEnded(false);  // data counter hook: a loss ends the game here
}

void AwardPayout(Game& g, std::int32_t& row) {
    std::string marker;
    if (!LookUpPayout(g.form1.Slot(1, row), g.judgC.Payout)) {
        marker = "Er";
        ReportJudgeError(g, "配当数が異常です。");
    }
    // The win sound follows even a failed lookup.
    g.form1.AtariSe.SetEnabled(true);
    if (marker != "Er") g.form1.CoinUp.SetEnabled(true);
    if (marker != "Er" && g.judgC.Payout == kReplay) g.NotifyGameEnded(true);  // data counter hook: a replay
}

void CountUpCoins(Game& g) {
    std::int32_t& payout = g.judgC.Payout;
    if (payout == kReplay) {
        g.form1.CoinUp.SetEnabled(false);
        BetLedC::LightAllBetLamps(g);
        StartC::StartGame(g);
        return;
    }
    if (payout > std::numeric_limits<std::int32_t>::min()) --payout;
    if (payout >= 0) {
        AddToCounter(g.form6.Coin, 1);
        AddToCounter(g.form6.WinCoin, 1);
    } else if (payout == -1) {
        // Everything is paid: close the game, whatever the bet is by now.
        g.form6.Bet = "0";
        g.form6.BetUp.enabled = true;
        g.form6.BetDown.enabled = true;
        BetLedC::DimAllBetLamps(g);
        g.form1.CoinUp.SetEnabled(false);
        payout = 0;
        g.NotifyGameEnded(true);  // data counter hook: the payout is counted up
    } else {
        ReportJudgeError(g, "コイン配当で異常です。");
    }
}

void ReportJudgeError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    g.form1.CoinUp.SetEnabled(false);
}

}  // namespace kararion::JudgC
