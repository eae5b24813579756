// Judging the lines, pricing the win, counting the coins up, and the replay.
#include <gtest/gtest.h>

#include <limits>

#include "core/tuning.h"
#include "judge/judge.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using testing::Rows;
using tuning::kStartCoins;
using enum Symbol;

// A window with no three equal symbols on any line.
const Rows kNothing = {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Replay, Orange, Seven}};

struct LineCase {
    const char* what;
    int bet;
    Rows rows;
    int line;  // 0 for a loss
    std::int32_t payout;
};

TEST(Judgement, TheBetOpensTheLinesAndTheFirstWinningLinePays) {
    const LineCase cases[] = {
        {"bet 1, top row",
         1,
         {{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}},
         1,
         tuning::kSevenPays},
        {"bet 1, middle row only", 1, {{Bell, Star, Grapes}, {Bar, Bar, Bar}, {Peach, Watermelon, Melon}}, 0, 0},
        {"bet 2, middle row",
         2,
         {{Bell, Star, Grapes}, {Bar, Bar, Bar}, {Peach, Watermelon, Melon}},
         2,
         tuning::kBarPays},
        {"bet 2, bottom row only", 2, {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Star, Star, Star}}, 0, 0},
        {"bet 3, bottom row",
         3,
         {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Star, Star, Star}},
         3,
         tuning::kStarPays},
        {"bet 2, falling diagonal only",
         2,
         {{Melon, Star, Grapes}, {Peach, Melon, Watermelon}, {Bell, Replay, Melon}},
         0,
         0},
        {"bet 3, falling diagonal",
         3,
         {{Melon, Star, Grapes}, {Peach, Melon, Watermelon}, {Bell, Replay, Melon}},
         4,
         tuning::kMelonPays},
        {"bet 3, rising diagonal",
         3,
         {{Grapes, Star, Bell}, {Peach, Bell, Watermelon}, {Bell, Replay, Melon}},
         5,
         tuning::kBellPays},
        {"bet 3, top row and falling diagonal share a cell",
         3,
         {{Grapes, Grapes, Grapes}, {Peach, Grapes, Watermelon}, {Bell, Replay, Grapes}},
         1,
         tuning::kGrapesPays},
        {"bet 3, both diagonals",
         3,
         {{Peach, Star, Peach}, {Bell, Peach, Watermelon}, {Peach, Replay, Peach}},
         4,
         tuning::kPeachPays},
        {"bet 3, bottom row before the rising diagonal",
         3,
         {{Bell, Star, Watermelon}, {Peach, Watermelon, Melon}, {Watermelon, Watermelon, Watermelon}},
         3,
         tuning::kWatermelonPays},
        {"bet 3, two equal only",
         3,
         {{Orange, Orange, Grapes}, {Peach, Watermelon, Melon}, {Replay, Orange, Seven}},
         0,
         0},
        {"bet 1, oranges",
         1,
         {{Orange, Orange, Orange}, {Peach, Watermelon, Melon}, {Replay, Bell, Seven}},
         1,
         tuning::kOrangePays},
        {"bet 1, replay",
         1,
         {{Replay, Replay, Replay}, {Peach, Watermelon, Melon}, {Bell, Orange, Seven}},
         1,
         0},  // a replay pays no coin: its game starts again by itself
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        Machine m;
        Game& g = m.game;
        m.Play(c.bet, c.rows);
        if (c.line == 0) {
            EXPECT_EQ(g.counters().Lost(), 1);
            EXPECT_EQ(g.counters().Win(), 0);
            EXPECT_EQ(g.counters().Bet(), 0);
            EXPECT_TRUE(g.betting().BetUp().enabled && g.betting().BetDown().enabled);
            for (int line = 1; line <= 3; ++line) EXPECT_EQ(g.betLamps().BetLamp(line, 0), kBlack);
            EXPECT_FALSE(g.betLamps().FlashTimer().Enabled() || g.judge().CountUpTimer().Enabled() ||
                         g.judge().WinSoundTimer().Enabled());
            EXPECT_EQ(g.judge().WinningLine(), 0);
        } else {
            EXPECT_EQ(g.counters().Win(), 1);
            EXPECT_EQ(g.counters().Lost(), 0);
            EXPECT_EQ(g.judge().WinningLine(), c.line);
            EXPECT_EQ(g.judge().CoinsOwed(), c.payout);
            EXPECT_EQ(g.counters().Bet(), c.bet);  // the game stays open
            EXPECT_FALSE(g.betting().BetUp().enabled);
            EXPECT_TRUE(g.betLamps().FlashTimer().Enabled() && g.judge().CountUpTimer().Enabled() &&
                        g.judge().WinSoundTimer().Enabled());
        }
    }
}

TEST(Judgement, OnlyAnExactlyRedLeftLampOpensItsLine) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    m.Setup().SetBetLamp(2, 1, kRed);            // the right lamp counts for nothing
    m.Setup().SetBetLamp(3, 0, Rgb(255, 0, 1));  // nearly red is dark
    m.ShowSymbols({{Bell, Star, Grapes}, {Bar, Bar, Bar}, {Seven, Seven, Seven}});
    m.StopAllReels();
    EXPECT_EQ(g.counters().Lost(), 1);
}

TEST(Judgement, LoadPicturesMatchNothingAndALossKeepsTheLastWinningLine) {
    Machine m;
    Game& g = m.game;
    m.Setup().SetWinningLine(4);
    m.BetAndStart(3);
    // Bottom row: a real bell and the two load pictures that look like bells.
    m.Setup().ShowPicture(1, 3, PictureOf(Bell));
    m.Setup().ShowPicture(2, 1, PictureOf(Star));
    m.StopAllReels();
    ASSERT_EQ(LooksLike(g.reels().Cell(2, 3)), Bell);
    ASSERT_EQ(LooksLike(g.reels().Cell(3, 3)), Bell);
    EXPECT_EQ(g.counters().Lost(), 1);
    EXPECT_EQ(g.judge().WinningLine(), 4);
}

TEST(Payout, EverySymbolPaysItsAmountWhateverTheBet) {
    const std::pair<Symbol, std::int32_t> table[] = {{Seven, 200}, {Bar, 100}, {Star, 80},      {Melon, 50}, {Bell, 25},
                                                     {Grapes, 15}, {Peach, 8}, {Watermelon, 5}, {Orange, 3}};
    for (const auto& [symbol, coins] : table) {
        for (int bet = 1; bet <= 3; ++bet) {
            SCOPED_TRACE(::testing::Message() << ::testing::PrintToString(symbol) << ", bet " << bet);
            Machine m;
            Game& g = m.game;
            m.Play(bet, {{symbol, symbol, symbol}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
            const Count coinsBefore = g.counters().Coin();
            // N coins in N ticks, then one closing tick.
            m.Advance(10LL * coins);
            EXPECT_EQ(g.counters().Coin(), coinsBefore + coins);
            EXPECT_EQ(g.counters().WinCoin(), coins);
            EXPECT_TRUE(g.judge().CountUpTimer().Enabled());
            EXPECT_EQ(g.counters().Bet(), bet);
            m.Advance(10);
            EXPECT_FALSE(g.judge().CountUpTimer().Enabled());
            EXPECT_EQ(g.judge().CountUpTimer().TicksRun(), coins + 1);
            EXPECT_EQ(g.counters().Bet(), 0);
            EXPECT_EQ(g.judge().CoinsOwed(), 0);
            EXPECT_TRUE(g.betting().BetUp().enabled && g.betting().BetDown().enabled);
            for (int line = 1; line <= 3; ++line) EXPECT_EQ(g.betLamps().BetLamp(line, 0), kBlack);
            EXPECT_FALSE(g.betLamps().FlashTimer().Enabled());
            EXPECT_EQ(g.counters().Coin() + g.counters().UsedCoin() - g.counters().WinCoin(), kStartCoins);
        }
    }
}

TEST(Payout, TheWinSoundComesOnceOneSecondAfterTheJudgement) {
    Machine m;
    Game& g = m.game;
    m.Play(1, {{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    EXPECT_EQ(m.Sounds().back(), "LineStop");
    m.fx.Clear();
    m.Advance(999);
    for (const auto& s : m.Sounds()) EXPECT_NE(s, "Atari");
    m.Advance(1);
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"Atari"});
    EXPECT_FALSE(g.judge().WinSoundTimer().Enabled());
    EXPECT_EQ(m.fx.events.front().kind, RecordingEffects::Kind::SoundCloseAll);  // it cuts the stop sound
    m.Advance(5000);
    EXPECT_EQ(m.Sounds().size(), 1u);
}

TEST(Replay, StartsTheNextGameAtOnceWithTheSameBetOnAllLines) {
    Machine m;
    Game& g = m.game;
    m.Play(1, {{Replay, Replay, Replay}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    m.fx.Clear();
    m.Advance(10);
    EXPECT_FALSE(g.judge().CountUpTimer().Enabled());
    EXPECT_FALSE(g.betLamps().FlashTimer().Enabled());
    EXPECT_EQ(g.counters().Run(), 2);
    EXPECT_EQ(g.counters().Bet(), 1);
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 1);
    EXPECT_EQ(g.counters().UsedCoin(), 1);
    EXPECT_EQ(g.counters().WinCoin(), 0);
    EXPECT_EQ(g.phase(), Phase::Spinning);  // the replay's free game
    for (int line = 1; line <= 3; ++line)
        for (int end = 0; end <= 1; ++end) EXPECT_EQ(g.betLamps().BetLamp(line, end), kRed);
    EXPECT_TRUE(g.reels().ReelTimer(1).Enabled() && g.reels().ReelTimer(2).Enabled() &&
                g.reels().ReelTimer(3).Enabled());
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"LineRound"});
    m.Advance(990);
    EXPECT_EQ(m.Sounds().back(), "Atari");  // over the spinning reels
    EXPECT_TRUE(g.reels().ReelTimer(1).Enabled());

    // The replayed game, bet 1, wins on the rising diagonal.
    m.ShowSymbols({{Bell, Star, Watermelon}, {Peach, Watermelon, Melon}, {Watermelon, Replay, Orange}});
    m.StopAllReels();
    EXPECT_EQ(g.judge().WinningLine(), 5);
    EXPECT_EQ(g.judge().CoinsOwed(), 5);
    EXPECT_EQ(g.counters().Win(), 2);
}

TEST(Payout, AFailedLookupIsReportedPaysNothingAndStillSoundsTheWin) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    // A picture that is none of the ten symbols, three times on the top row.
    for (int reel = 1; reel <= 3; ++reel) m.Setup().ShowPicture(reel, 1, 0);
    m.StopAllReels();
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"配当数が異常です。"});
    EXPECT_EQ(g.counters().Win(), 1);
    EXPECT_EQ(g.judge().CoinsOwed(), 0);
    EXPECT_FALSE(g.judge().CountUpTimer().Enabled());
    EXPECT_TRUE(g.judge().WinSoundTimer().Enabled());
    m.Advance(1000);
    EXPECT_EQ(m.Sounds().back(), "Atari");
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 1);
    // The game is closed, so the next one can be bet.
    EXPECT_EQ(g.counters().Bet(), 0);
    EXPECT_EQ(g.phase(), Phase::BetweenGames);
    EXPECT_TRUE(g.betting().BetUp().enabled);
}

// A count-up tick with nothing owed, as only a fault could bring, pays nothing
// and closes at once.
TEST(Payout, ACountUpWithNothingOwedClosesAtOnceAndPaysNothing) {
    Machine m;
    Game& g = m.game;
    g.ClickBetUp();
    m.Setup().CountUpWithoutAWin();
    m.Advance(10);
    EXPECT_FALSE(g.judge().CountUpTimer().Enabled());
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 1);
    EXPECT_EQ(g.counters().WinCoin(), 0);
    EXPECT_EQ(g.counters().Bet(), 0);
    EXPECT_EQ(g.phase(), Phase::BetweenGames);
    EXPECT_TRUE(m.fx.Messages().empty());
}

}  // namespace
}  // namespace kararion
