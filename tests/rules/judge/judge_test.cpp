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
         judge::kReplayPayout},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        Machine m;
        Game& g = m.game;
        m.Play(c.bet, c.rows);
        if (c.line == 0) {
            EXPECT_EQ(g.counters.Lost, "1");
            EXPECT_EQ(g.counters.Win, "0");
            EXPECT_EQ(g.counters.Bet, "0");
            EXPECT_TRUE(g.betting.BetUp.enabled && g.betting.BetDown.enabled);
            for (int line = 1; line <= 3; ++line) EXPECT_EQ(g.betLamps.BetLamp(line, 0), kBlack);
            EXPECT_FALSE(g.betLamps.betLampTimer.Enabled() || g.judge.coinUpTimer.Enabled() ||
                         g.judge.winSoundTimer.Enabled());
            EXPECT_EQ(g.judge.winningLine, 0);
        } else {
            EXPECT_EQ(g.counters.Win, "1");
            EXPECT_EQ(g.counters.Lost, "0");
            EXPECT_EQ(g.judge.winningLine, c.line);
            EXPECT_EQ(g.judge.Payout, c.payout);
            EXPECT_EQ(g.counters.Bet, std::to_string(c.bet));  // the game stays open
            EXPECT_FALSE(g.betting.BetUp.enabled);
            EXPECT_TRUE(g.betLamps.betLampTimer.Enabled() && g.judge.coinUpTimer.Enabled() &&
                        g.judge.winSoundTimer.Enabled());
        }
    }
}

TEST(Judgement, OnlyAnExactlyRedLeftLampOpensItsLine) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    g.betLamps.BetLamp(2, 1) = kRed;            // the right lamp counts for nothing
    g.betLamps.BetLamp(3, 0) = Rgb(255, 0, 1);  // nearly red is dark
    m.ShowSymbols({{Bell, Star, Grapes}, {Bar, Bar, Bar}, {Seven, Seven, Seven}});
    m.StopAllReels();
    EXPECT_EQ(g.counters.Lost, "1");
}

TEST(Judgement, LoadPicturesMatchNothingAndALossKeepsTheLastWinningLine) {
    Machine m;
    Game& g = m.game;
    g.judge.winningLine = 4;
    m.BetAndStart(3);
    // Bottom row: a real bell and the two load pictures that look like bells.
    g.reels.Cell(1, 3) = PictureOf(Bell);
    g.reels.Cell(2, 1) = PictureOf(Star);
    m.StopAllReels();
    ASSERT_EQ(LooksLike(g.reels.Cell(2, 3)), Bell);
    ASSERT_EQ(LooksLike(g.reels.Cell(3, 3)), Bell);
    EXPECT_EQ(g.counters.Lost, "1");
    EXPECT_EQ(g.judge.winningLine, 4);
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
            const double coinsBefore = m.Counter(g.counters.Coin);
            // N coins in N ticks, then one closing tick.
            m.Advance(10LL * coins);
            EXPECT_EQ(m.Counter(g.counters.Coin), coinsBefore + coins);
            EXPECT_EQ(m.Counter(g.counters.WinCoin), coins);
            EXPECT_TRUE(g.judge.coinUpTimer.Enabled());
            EXPECT_EQ(g.counters.Bet, std::to_string(bet));
            m.Advance(10);
            EXPECT_FALSE(g.judge.coinUpTimer.Enabled());
            EXPECT_EQ(g.judge.coinUpTimer.TicksRun(), coins + 1);
            EXPECT_EQ(g.counters.Bet, "0");
            EXPECT_EQ(g.judge.Payout, 0);
            EXPECT_TRUE(g.betting.BetUp.enabled && g.betting.BetDown.enabled);
            for (int line = 1; line <= 3; ++line) EXPECT_EQ(g.betLamps.BetLamp(line, 0), kBlack);
            EXPECT_FALSE(g.betLamps.betLampTimer.Enabled());
            EXPECT_EQ(m.Counter(g.counters.Coin) + m.Counter(g.counters.UsedCoin) - m.Counter(g.counters.WinCoin), 100);
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
    EXPECT_FALSE(g.judge.winSoundTimer.Enabled());
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
    EXPECT_FALSE(g.judge.coinUpTimer.Enabled());
    EXPECT_FALSE(g.betLamps.betLampTimer.Enabled());
    EXPECT_EQ(g.counters.Run, "2");
    EXPECT_EQ(g.counters.Bet, "1");
    EXPECT_EQ(g.counters.Coin, "99");
    EXPECT_EQ(g.counters.UsedCoin, "1");
    EXPECT_EQ(g.counters.WinCoin, "0");
    EXPECT_EQ(g.judge.Payout, judge::kReplayPayout);
    for (int line = 1; line <= 3; ++line)
        for (int end = 0; end <= 1; ++end) EXPECT_EQ(g.betLamps.BetLamp(line, end), kRed);
    EXPECT_TRUE(g.reels.reel1Timer.Enabled() && g.reels.reel2Timer.Enabled() && g.reels.reel3Timer.Enabled());
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"LineRound"});
    m.Advance(990);
    EXPECT_EQ(m.Sounds().back(), "Atari");  // over the spinning reels
    EXPECT_TRUE(g.reels.reel1Timer.Enabled());

    // The replayed game, bet 1, wins on the rising diagonal.
    m.ShowSymbols({{Bell, Star, Watermelon}, {Peach, Watermelon, Melon}, {Watermelon, Replay, Orange}});
    m.StopAllReels();
    EXPECT_EQ(g.judge.winningLine, 5);
    EXPECT_EQ(g.judge.Payout, 5);
    EXPECT_EQ(g.counters.Win, "2");
}

TEST(Payout, AFailedLookupIsReportedPaysNothingAndStillSoundsTheWin) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    // A picture that is none of the ten symbols, three times on the top row.
    for (int reel = 1; reel <= 3; ++reel) g.reels.Cell(reel, 1) = 0;
    g.judge.Payout = 7;
    m.StopAllReels();
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"配当数が異常です。"});
    EXPECT_EQ(g.counters.Win, "1");
    EXPECT_EQ(g.judge.Payout, 7);
    EXPECT_FALSE(g.judge.coinUpTimer.Enabled());
    EXPECT_TRUE(g.judge.winSoundTimer.Enabled());
    EXPECT_TRUE(g.betLamps.betLampTimer.Enabled());
    m.Advance(1000);
    EXPECT_EQ(m.Sounds().back(), "Atari");
    EXPECT_EQ(g.counters.Coin, "99");
    EXPECT_EQ(g.counters.Bet, "1");
    EXPECT_FALSE(g.betting.BetUp.enabled);
}

TEST(Payout, ABadAmountAtATickGivesOneMessageAndStopsTheCountUp) {
    Machine m;
    Game& g = m.game;
    g.judge.Payout = -5;
    // The box stays open for a second: ticks meanwhile must not open more boxes.
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(1000); };
    g.judge.coinUpTimer.SetEnabled(true);
    m.Advance(10);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"コイン配当で異常です。"});
    EXPECT_FALSE(g.judge.coinUpTimer.Enabled());
    EXPECT_EQ(g.judge.Payout, -6);
    EXPECT_EQ(g.counters.Coin, "100");

    g.judge.Payout = std::numeric_limits<std::int32_t>::min();  // no overflow on the way down
    m.fx.whileMessageOpen = nullptr;
    static_cast<void>(g.judge.CountUpCoins());
    EXPECT_EQ(g.judge.Payout, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(m.fx.messages, 2);
}

}  // namespace
}  // namespace kararion
