// Judging the lines, pricing the win, counting the coins up, and the replay.
#include <gtest/gtest.h>

#include <limits>

#include "bet/bet_buttons.h"
#include "judge/judge.h"
#include "menu/menu_entries.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using Rows = std::vector<std::vector<Picture>>;

// Bets `coins`, starts, puts `rows` in view and stops the three reels.
void Play(Machine& m, int coins, const Rows& rows) {
    for (int i = 0; i < coins; ++i) info::ClickBetUp(m.game);
    menu::ClickStart(m.game);
    m.ShowSymbols(rows);
    machine::ClickStop(m.game, 1);
    machine::ClickStop(m.game, 2);
    machine::ClickStop(m.game, 3);
}

// A window with no three equal symbols on any line.
const Rows kNothing = {{1, 3, 4}, {5, 6, 8}, {9, 10, 2}};

struct LineCase {
    const char* what;
    int bet;
    Rows rows;
    int line;  // 0 for a loss
    std::int32_t payout;
};

TEST(Judgement, TheBetOpensTheLinesAndTheFirstWinningLinePays) {
    const LineCase cases[] = {
        {"bet 1, top row", 1, {{2, 2, 2}, {1, 3, 4}, {5, 6, 8}}, 1, 200},
        {"bet 1, middle row only", 1, {{1, 3, 4}, {7, 7, 7}, {5, 6, 8}}, 0, 0},
        {"bet 2, middle row", 2, {{1, 3, 4}, {7, 7, 7}, {5, 6, 8}}, 2, 100},
        {"bet 2, bottom row only", 2, {{1, 3, 4}, {5, 6, 8}, {3, 3, 3}}, 0, 0},
        {"bet 3, bottom row", 3, {{1, 3, 4}, {5, 6, 8}, {3, 3, 3}}, 3, 80},
        {"bet 2, falling diagonal only", 2, {{8, 3, 4}, {5, 8, 6}, {1, 9, 8}}, 0, 0},
        {"bet 3, falling diagonal", 3, {{8, 3, 4}, {5, 8, 6}, {1, 9, 8}}, 4, 50},
        {"bet 3, rising diagonal", 3, {{4, 3, 1}, {5, 1, 6}, {1, 9, 8}}, 5, 25},
        {"bet 3, top row and falling diagonal share a cell", 3, {{4, 4, 4}, {5, 4, 6}, {1, 9, 4}}, 1, 15},
        {"bet 3, both diagonals", 3, {{5, 3, 5}, {1, 5, 6}, {5, 9, 5}}, 4, 8},
        {"bet 3, bottom row before the rising diagonal", 3, {{1, 3, 6}, {5, 6, 8}, {6, 6, 6}}, 3, 5},
        {"bet 3, two equal only", 3, {{10, 10, 4}, {5, 6, 8}, {9, 10, 2}}, 0, 0},
        {"bet 1, oranges", 1, {{10, 10, 10}, {5, 6, 8}, {9, 1, 2}}, 1, 3},
        {"bet 1, replay", 1, {{9, 9, 9}, {5, 6, 8}, {1, 10, 2}}, 1, -2},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        Machine m;
        Game& g = m.game;
        Play(m, c.bet, c.rows);
        if (c.line == 0) {
            EXPECT_EQ(g.info.Lost, "1");
            EXPECT_EQ(g.info.Win, "0");
            EXPECT_EQ(g.info.Bet, "0");
            EXPECT_TRUE(g.info.BetUp.enabled && g.info.BetDown.enabled);
            for (int line = 1; line <= 3; ++line) EXPECT_EQ(g.main.BetLamp(line, 0), kBlack);
            EXPECT_FALSE(g.main.betLampTimer.Enabled() || g.main.coinUpTimer.Enabled() ||
                         g.main.winSoundTimer.Enabled());
            EXPECT_EQ(g.main.winningLine, 0);
        } else {
            EXPECT_EQ(g.info.Win, "1");
            EXPECT_EQ(g.info.Lost, "0");
            EXPECT_EQ(g.main.winningLine, c.line);
            EXPECT_EQ(g.judge.Payout, c.payout);
            EXPECT_EQ(g.info.Bet, std::to_string(c.bet));  // the game stays open
            EXPECT_FALSE(g.info.BetUp.enabled);
            EXPECT_TRUE(g.main.betLampTimer.Enabled() && g.main.coinUpTimer.Enabled() &&
                        g.main.winSoundTimer.Enabled());
        }
    }
}

TEST(Judgement, OnlyAnExactlyRedLeftLampOpensItsLine) {
    Machine m;
    Game& g = m.game;
    info::ClickBetUp(g);
    menu::ClickStart(g);
    g.main.BetLamp(2, 1) = kRed;            // the right lamp counts for nothing
    g.main.BetLamp(3, 0) = Rgb(255, 0, 1);  // nearly red is dark
    m.ShowSymbols({{1, 3, 4}, {7, 7, 7}, {2, 2, 2}});
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    EXPECT_EQ(g.info.Lost, "1");
}

TEST(Judgement, LoadPicturesMatchNothingAndALossKeepsTheLastWinningLine) {
    Machine m;
    Game& g = m.game;
    g.main.winningLine = 4;
    for (int i = 0; i < 3; ++i) info::ClickBetUp(g);
    menu::ClickStart(g);
    // Bottom row: a real bell and the two load pictures that look like bells.
    g.main.Cell(1, 3) = 1;
    g.main.Cell(2, 1) = 3;
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    ASSERT_EQ(LooksLike(g.main.Cell(2, 3)), 1);
    ASSERT_EQ(LooksLike(g.main.Cell(3, 3)), 1);
    EXPECT_EQ(g.info.Lost, "1");
    EXPECT_EQ(g.main.winningLine, 4);
}

TEST(Payout, EverySymbolPaysItsAmountWhateverTheBet) {
    const std::pair<Picture, std::int32_t> table[] = {{2, 200}, {7, 100}, {3, 80}, {8, 50}, {1, 25},
                                                      {4, 15},  {5, 8},   {6, 5},  {10, 3}};
    for (const auto& [symbol, coins] : table) {
        for (int bet = 1; bet <= 3; ++bet) {
            SCOPED_TRACE(::testing::Message() << "symbol " << symbol << " bet " << bet);
            Machine m;
            Game& g = m.game;
            Play(m, bet, {{symbol, symbol, symbol}, {1, 3, 4}, {5, 6, 8}});
            const double coinsBefore = m.Counter(g.info.Coin);
            // N coins in N ticks, then one closing tick.
            m.Advance(10LL * coins);
            EXPECT_EQ(m.Counter(g.info.Coin), coinsBefore + coins);
            EXPECT_EQ(m.Counter(g.info.WinCoin), coins);
            EXPECT_TRUE(g.main.coinUpTimer.Enabled());
            EXPECT_EQ(g.info.Bet, std::to_string(bet));
            m.Advance(10);
            EXPECT_FALSE(g.main.coinUpTimer.Enabled());
            EXPECT_EQ(g.main.coinUpTimer.TicksRun(), coins + 1);
            EXPECT_EQ(g.info.Bet, "0");
            EXPECT_EQ(g.judge.Payout, 0);
            EXPECT_TRUE(g.info.BetUp.enabled && g.info.BetDown.enabled);
            for (int line = 1; line <= 3; ++line) EXPECT_EQ(g.main.BetLamp(line, 0), kBlack);
            EXPECT_FALSE(g.main.betLampTimer.Enabled());
            EXPECT_EQ(m.Counter(g.info.Coin) + m.Counter(g.info.UsedCoin) - m.Counter(g.info.WinCoin), 100);
        }
    }
}

TEST(Payout, TheWinSoundComesOnceOneSecondAfterTheJudgement) {
    Machine m;
    Game& g = m.game;
    Play(m, 1, {{2, 2, 2}, {1, 3, 4}, {5, 6, 8}});
    EXPECT_EQ(m.Sounds().back(), "LineStop");
    m.fx.Clear();
    m.Advance(999);
    for (const auto& s : m.Sounds()) EXPECT_NE(s, "Atari");
    m.Advance(1);
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"Atari"});
    EXPECT_FALSE(g.main.winSoundTimer.Enabled());
    EXPECT_EQ(m.fx.events.front().kind, RecordingEffects::Kind::SoundCloseAll);  // it cuts the stop sound
    m.Advance(5000);
    EXPECT_EQ(m.Sounds().size(), 1u);
}

TEST(Replay, StartsTheNextGameAtOnceWithTheSameBetOnAllLines) {
    Machine m;
    Game& g = m.game;
    Play(m, 1, {{9, 9, 9}, {1, 3, 4}, {5, 6, 8}});
    m.fx.Clear();
    m.Advance(10);
    EXPECT_FALSE(g.main.coinUpTimer.Enabled());
    EXPECT_FALSE(g.main.betLampTimer.Enabled());
    EXPECT_EQ(g.info.Run, "2");
    EXPECT_EQ(g.info.Bet, "1");
    EXPECT_EQ(g.info.Coin, "99");
    EXPECT_EQ(g.info.UsedCoin, "1");
    EXPECT_EQ(g.info.WinCoin, "0");
    EXPECT_EQ(g.judge.Payout, -2);
    for (int line = 1; line <= 3; ++line)
        for (int end = 0; end <= 1; ++end) EXPECT_EQ(g.main.BetLamp(line, end), kRed);
    EXPECT_TRUE(g.main.reel1Timer.Enabled() && g.main.reel2Timer.Enabled() && g.main.reel3Timer.Enabled());
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"LineRound"});
    m.Advance(990);
    EXPECT_EQ(m.Sounds().back(), "Atari");  // over the spinning reels
    EXPECT_TRUE(g.main.reel1Timer.Enabled());

    // The replayed game, bet 1, wins on the rising diagonal.
    m.ShowSymbols({{1, 3, 6}, {5, 6, 8}, {6, 9, 10}});
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    EXPECT_EQ(g.main.winningLine, 5);
    EXPECT_EQ(g.judge.Payout, 5);
    EXPECT_EQ(g.info.Win, "2");
}

TEST(Payout, AFailedLookupIsReportedPaysNothingAndStillSoundsTheWin) {
    Machine m;
    Game& g = m.game;
    info::ClickBetUp(g);
    menu::ClickStart(g);
    // A picture that is none of the ten symbols, three times on the top row.
    for (int reel = 1; reel <= 3; ++reel) g.main.Cell(reel, 1) = 0;
    g.judge.Payout = 7;
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"配当数が異常です。"});
    EXPECT_EQ(g.info.Win, "1");
    EXPECT_EQ(g.judge.Payout, 7);
    EXPECT_FALSE(g.main.coinUpTimer.Enabled());
    EXPECT_TRUE(g.main.winSoundTimer.Enabled());
    EXPECT_TRUE(g.main.betLampTimer.Enabled());
    m.Advance(1000);
    EXPECT_EQ(m.Sounds().back(), "Atari");
    EXPECT_EQ(g.info.Coin, "99");
    EXPECT_EQ(g.info.Bet, "1");
    EXPECT_FALSE(g.info.BetUp.enabled);
}

TEST(Payout, ABadAmountAtATickGivesOneMessageAndStopsTheCountUp) {
    Machine m;
    Game& g = m.game;
    g.judge.Payout = -5;
    // The box stays open for a second: ticks meanwhile must not open more boxes.
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(1000); };
    g.main.coinUpTimer.SetEnabled(true);
    m.Advance(10);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"コイン配当で異常です。"});
    EXPECT_FALSE(g.main.coinUpTimer.Enabled());
    EXPECT_EQ(g.judge.Payout, -6);
    EXPECT_EQ(g.info.Coin, "100");

    g.judge.Payout = std::numeric_limits<std::int32_t>::min();  // no overflow on the way down
    m.fx.whileMessageOpen = nullptr;
    judge::CountUpCoins(g);
    EXPECT_EQ(g.judge.Payout, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(m.fx.messages, 2);
}

}  // namespace
}  // namespace kararion
