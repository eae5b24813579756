// The data counter's rules: the session's history of coins won or lost, and
// the machine's odds worked out from its strips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "core/tuning.h"
#include "judge/judge.h"
#include "machine/machine.h"
#include "reels/reels.h"
#include "save/save_file.h"
#include "session/game_sheet.h"
#include "session/session_record.h"
#include "support/save_support.h"

namespace kararion {
namespace {

using session::MachineSheet;
using session::Prize;
using session::WorkOutOdds;
using testing::LoadFrom;
using testing::Machine;
using testing::SaveAs;
using enum Symbol;

// Two reels' worth of paper arithmetic. Three reels of two elements each,
// 8 stops; the top row wins when all three stop alike: (0,0,0) shows 1 on
// top and 2 below, (1,1,1) the other way round. 1 pays 10, 2 replays.
//   bet 1 (top row): 10 coins in 1 of 8, a replay in 1 of 8, 2 hits in 8.
//   bet 2 (both rows): the same stops win and the top row comes first, so
//   the same figures for twice the stake.
//   A replayed game is a bet 2 game: 10/8 coins and a replay in 1 of 8, so a
//   replay is worth 10/8 / (1 - 1/8) = 10/7 coins.
//   Return of bet 1: 10/8 + 1/8 * 10/7 = 10/7; of bet 2: 5/7.
TEST(MachineOdds, AHandMadeMachineComesOutAsOnPaper) {
    MachineSheet two;
    two.strips = {{1, 2}, {1, 2}, {1, 2}};
    two.lines = {{0, 0, 0}, {1, 1, 1}};
    two.linesOfBet = {{0}, {1, 0}};
    two.replayLines = {0, 1};
    two.prize = [](int symbol) { return symbol == 1 ? Prize{10, false} : Prize{0, true}; };
    const auto odds = WorkOutOdds(two);
    ASSERT_EQ(odds.bets.size(), 2u);
    for (const auto& bet : odds.bets) {
        EXPECT_DOUBLE_EQ(bet.hitRate, 2.0 / 8);
        EXPECT_DOUBLE_EQ(bet.replayRate, 1.0 / 8);
        EXPECT_DOUBLE_EQ(bet.coinsPerGame, 10.0 / 8);
    }
    EXPECT_DOUBLE_EQ(odds.bets[0].returnRate, 10.0 / 7);
    EXPECT_DOUBLE_EQ(odds.bets[1].returnRate, 5.0 / 7);

    // Strips of three, the rising diagonal: rows 2, 1, 0 show elements p1-2,
    // p2-1 and p3, alike at 3 of the 27 stops, one per symbol. 1 pays 3, 2
    // pays 6, 3 pays nothing: (3 + 6) / 27 per coin, no replay.
    MachineSheet three;
    three.strips = {{1, 2, 3}, {3, 1, 2}, {2, 3, 1}};
    three.lines = {{2, 1, 0}};
    three.linesOfBet = {{0}};
    three.replayLines = {0};
    three.prize = [](int symbol) { return Prize{symbol == 1 ? 3 : symbol == 2 ? 6 : 0, false}; };
    const auto diagonal = WorkOutOdds(three).bets.at(0);
    EXPECT_DOUBLE_EQ(diagonal.hitRate, 2.0 / 27);
    EXPECT_DOUBLE_EQ(diagonal.replayRate, 0);
    EXPECT_DOUBLE_EQ(diagonal.returnRate, 9.0 / 27);
}

// The sheet read off the game must judge every stop as the game itself does.
TEST(MachineOdds, TheGamesOddsAgreeWithItsOwnJudgementAtEveryStop) {
    Machine m;
    Game& g = m.game;
    const auto odds = WorkOutOdds(session::SheetOfGame(g.reels()));
    ASSERT_EQ(odds.bets.size(), 3u);
    for (int bet = 1; bet <= 3; ++bet) {
        SCOPED_TRACE(bet);
        double hits = 0, replays = 0, coins = 0;
        for (int p1 = 1; p1 <= 10; ++p1) {
            for (int p2 = 1; p2 <= 10; ++p2) {
                for (int p3 = 1; p3 <= 10; ++p3) {
                    // Three real steps up to each position fill the reel's column.
                    const int at[3] = {p1, p2, p3};
                    machine::GameSetup setup = m.Setup();
                    for (int r = 0; r < 3; ++r) setup.SetReelPosition(r + 1, ((at[r] - 4) % 10 + 10) % 10 + 1);
                    for (int step = 0; step < 3; ++step)
                        for (int reel = 1; reel <= 3; ++reel) setup.SpinReel(reel);
                    for (int line = 1; line <= 3; ++line)
                        setup.SetBetLamp(line, lamps::kLeftLamp, line <= bet ? kRed : kBlack);
                    const Count won = g.counters().Win();
                    setup.SetCoinsOwed(0);
                    setup.SetPhase(Phase::Spinning);
                    setup.JudgeLines();
                    if (g.counters().Win() == won) continue;
                    hits += 1;
                    if (g.phase() == Phase::Replay) {
                        replays += 1;
                    } else {
                        coins += g.judge().CoinsOwed();
                    }
                }
            }
        }
        const auto& figures = odds.bets[static_cast<std::size_t>(bet - 1)];
        EXPECT_DOUBLE_EQ(figures.hitRate, hits / 1000);
        EXPECT_DOUBLE_EQ(figures.replayRate, replays / 1000);
        EXPECT_DOUBLE_EQ(figures.coinsPerGame, coins / 1000);
    }
    EXPECT_TRUE(m.fx.Messages().empty());
}

// 差枚数 at the end of each span: game by game while the session is short.
std::vector<double> Ends(const session::History& history) {
    std::vector<double> ends;
    for (const session::GameSpan& span : history.Spans()) ends.push_back(span.end.coins);
    return ends;
}

// However long the session, its spans stay within bounds, cover every game
// once in order, and each holds its games' true lowest and highest (the first
// of equals), so the graph misses no peak and no trough.
TEST(SessionSpans, KeepEveryExtremeOfALongSessionInBoundedMemory) {
    session::History history;
    history.Start({100, 0, 0});
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> draw(0, 99);
    std::vector<double> all;
    double coin = 100;
    const std::vector<std::size_t> checks = {1, 2, 1024, 1025, 2049, 70001, 300000};
    for (std::size_t game = 1; game <= checks.back(); ++game) {
        const int d = draw(rng);
        coin += d < 80 ? -3 : d < 97 ? 8 : d < 99 ? 80 : 200;  // equal values repeat often
        history.GameEnded({coin, 0, 0}, d >= 80);
        all.push_back(coin - 100);
        if (std::find(checks.begin(), checks.end(), game) == checks.end()) continue;
        SCOPED_TRACE(game);
        const auto& spans = history.Spans();
        ASSERT_LE(spans.capacity(), session::History::kMaxSpans);
        ASSERT_EQ(history.Games(), static_cast<int>(game));
        ASSERT_EQ(spans.front().first, 1);
        ASSERT_EQ(spans.back().last, static_cast<int>(game));
        for (std::size_t s = 0; s < spans.size(); ++s) {
            const session::GameSpan& span = spans[s];
            if (s > 0) {
                ASSERT_EQ(span.first, spans[s - 1].last + 1);
            }
            const auto from = all.begin() + (span.first - 1), to = all.begin() + span.last;
            const auto low = std::min_element(from, to), high = std::max_element(from, to);
            ASSERT_EQ(span.lowest.game, low - all.begin() + 1);
            ASSERT_EQ(span.lowest.coins, *low);
            ASSERT_EQ(span.highest.game, high - all.begin() + 1);
            ASSERT_EQ(span.highest.coins, *high);
            ASSERT_EQ(span.end.game, span.last);
            ASSERT_EQ(span.end.coins, all[static_cast<std::size_t>(span.last - 1)]);
        }
        const auto low = std::min_element(all.begin(), all.end()), high = std::max_element(all.begin(), all.end());
        EXPECT_EQ(history.LowestGame(), low - all.begin() + 1);
        EXPECT_EQ(history.HighestGame(), high - all.begin() + 1);
        EXPECT_EQ(history.Last(), all.back());
    }
    EXPECT_GE(history.Spans().size(), session::History::kMaxSpans / 2);  // as fine as the bound allows

    history.Start({coin, 0, 0});
    EXPECT_EQ(history.Games(), 0);
    EXPECT_TRUE(history.Spans().empty());
    EXPECT_EQ(history.HighestGame(), 0);
    EXPECT_EQ(history.Last(), 0);
}

// The README's table of the machine's odds is the odds worked out, to the
// figures it prints: a payout or strip change that forgets it fails here.
TEST(MachineOdds, TheReadmesTableIsTheOddsWorkedOut) {
    Machine m;
    const auto odds = WorkOutOdds(session::SheetOfGame(m.game.reels()));
    std::ifstream readme(KARARION_README);
    ASSERT_TRUE(readme) << KARARION_README;
    // | bet | return | hit rate | replay | 10,000 games |
    int rows = 0;
    for (std::string line; std::getline(readme, line);) {
        int bet = 0;
        double rate = 0, hitIn = 0, replayIn = 0, played = 0;
        if (std::sscanf(line.c_str(), "| %d | %lf %% | 1/%lf | 1/%lf | %lf %% |", &bet, &rate, &hitIn, &replayIn,
                        &played) != 5)
            continue;
        ASSERT_TRUE(bet >= 1 && bet <= static_cast<int>(odds.bets.size())) << line;
        EXPECT_EQ(bet, ++rows) << line;
        const auto& o = odds.bets[static_cast<std::size_t>(bet - 1)];
        EXPECT_NEAR(rate, 100 * o.returnRate, 0.005) << line;
        EXPECT_NEAR(hitIn, 1 / o.hitRate, 0.005) << line;
        EXPECT_NEAR(replayIn, 1 / o.replayRate, 0.005) << line;
    }
    EXPECT_EQ(rows, 3);
}

class SessionHistory : public testing::SaveTest {
protected:
    session::SessionRecord record{g.events(), g.counters()};
    const session::History& history = record.history();
    SessionHistory() { record.StartSession(); }
};

TEST_F(SessionHistory, CountsEachGameAtItsJudgementAndStartsAfreshAfterALoad) {
    SaveAs(g, "start");
    // A win of 50 coins at bet 3 counts when it is judged, with the coins it
    // is still to pay; the count-up adds no second game.
    m.Play(3, {{Melon, Melon, Melon}, {Bell, Star, Grapes}, {Peach, Watermelon, Orange}});
    ASSERT_EQ(history.Games(), 1);
    EXPECT_EQ(history.Last(), 47);
    m.Advance(1200);
    ASSERT_EQ(history.Games(), 1);

    // A replay at bet 1 ends its game at the judgement, the coins unchanged;
    // the free game that follows, lost, costs nothing.
    m.Play(1, {{Replay, Replay, Replay}, {Bell, Star, Grapes}, {Peach, Watermelon, Orange}});
    ASSERT_EQ(history.Games(), 2);
    EXPECT_EQ(history.Last(), 46);
    m.Advance(20);
    ASSERT_TRUE(g.reels().ReelTimer(1).Enabled());
    m.ShowSymbols({{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Replay, Orange, Seven}});
    g.ClickStop(1);
    g.ClickStop(2);
    g.ClickStop(3);
    ASSERT_EQ(history.Games(), 3);
    EXPECT_EQ(history.Last(), 46);

    // A loss at bet 2.
    m.Play(2, {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Replay, Orange, Seven}});
    EXPECT_EQ(Ends(history), (std::vector<double>{47, 46, 46, 44}));
    EXPECT_EQ(history.Wins(), 2);
    EXPECT_EQ(history.Staked(), 6);
    EXPECT_EQ(history.Paid(), 50);
    EXPECT_DOUBLE_EQ(history.Return().value(), 50.0 / 6);
    EXPECT_EQ(history.HighestGame(), 1);
    EXPECT_EQ(history.LowestGame(), 4);

    // A load: its Coin, not the one before, is the new base.
    LoadFrom(g, "start");
    ASSERT_EQ(g.counters().Coin(), tuning::kStartCoins);
    EXPECT_EQ(history.Games(), 0);
    EXPECT_FALSE(history.Return().has_value());
    m.Play(1, {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Replay, Orange, Seven}});
    EXPECT_EQ(Ends(history), (std::vector<double>{-1}));
    EXPECT_EQ(history.Staked(), 1);
}

// Clicks at random moments, many of them into count-ups: the record counts
// every judged game and every win, and no coin goes astray.
TEST_F(SessionHistory, CountsEveryGameOfAPlayerClickingThroughCountUps) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> wait(1, 150);
    int intoCountUps = 0;
    for (int click = 0; click < 20000; ++click) {
        intoCountUps += g.phase() == Phase::PayingOut || g.phase() == Phase::Replay;
        g.ClickBackground();
        m.Advance(wait(rng));
    }
    m.clock.AdvanceUntil([&] { return !GameUnderWay(g.phase()); }, 100000);
    const Count wins = g.counters().Win(), losses = g.counters().Lost();
    EXPECT_GT(intoCountUps, 10);
    EXPECT_GT(wins, 0);
    EXPECT_EQ(history.Games(), wins + losses);
    EXPECT_EQ(history.Wins(), wins);
    EXPECT_EQ(g.counters().Run(), wins + losses);
    EXPECT_EQ(history.Paid(), g.counters().WinCoin());
    EXPECT_EQ(g.counters().Coin() + g.counters().UsedCoin() - g.counters().WinCoin(), tuning::kStartCoins);
}

}  // namespace
}  // namespace kararion
