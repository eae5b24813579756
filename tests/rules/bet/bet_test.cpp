// Raising and lowering the bet, the bet lamps it lights, and the win flash.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "lamps/bet_lamps.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using enum Symbol;

std::array<Colour, 6> Lamps(const Game& g) {
    return {g.betLamps.BetLamp(1, 0), g.betLamps.BetLamp(1, 1), g.betLamps.BetLamp(2, 0),
            g.betLamps.BetLamp(2, 1), g.betLamps.BetLamp(3, 0), g.betLamps.BetLamp(3, 1)};
}

TEST(Betting, UpAndDownMoveCoinsAndLightTheLinesInPairs) {
    Machine m;
    Game& g = m.game;
    for (int bet = 1; bet <= 3; ++bet) {
        g.betting.ClickBetUp();
        EXPECT_EQ(g.counters.Bet, std::to_string(bet));
        EXPECT_EQ(m.Counter(g.counters.Coin), 100 - bet);
        EXPECT_EQ(m.Counter(g.counters.UsedCoin), bet);
        for (int line = 1; line <= 3; ++line) {
            const Colour want = line <= bet ? kRed : kDefaultText;
            EXPECT_EQ(g.betLamps.BetLamp(line, 0), want);
            EXPECT_EQ(g.betLamps.BetLamp(line, 1), want);
        }
        EXPECT_TRUE(g.menu.Enabled(menu::Entry::Start));
    }
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "BetUp", "BetUp"}));

    g.betting.ClickBetUp();  // full: a beep, nothing else, Start stays enabled
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(g.counters.Bet, "3");
    EXPECT_EQ(g.counters.Coin, "97");
    EXPECT_TRUE(g.menu.Enabled(menu::Entry::Start));

    for (int bet = 2; bet >= 0; --bet) {
        g.betting.ClickBetDown();
        EXPECT_EQ(g.counters.Bet, std::to_string(bet));
        EXPECT_EQ(m.Counter(g.counters.Coin), 100 - bet);
        EXPECT_EQ(m.Counter(g.counters.UsedCoin), bet);
        EXPECT_EQ(g.betLamps.BetLamp(bet + 1, 0), kBlack);
        EXPECT_EQ(g.betLamps.BetLamp(bet + 1, 1), kBlack);
        if (bet > 0) {
            EXPECT_EQ(g.betLamps.BetLamp(bet, 0), kRed);
        }
        EXPECT_EQ(g.menu.Enabled(menu::Entry::Start), bet > 0);
    }
    EXPECT_EQ(m.Sounds().back(), "BetDown");
    m.fx.Clear();
    g.betting.ClickBetDown();  // at 0: a beep alone
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(m.fx.events.size(), 1u);
    EXPECT_EQ(g.counters.Coin, "100");
}

TEST(Betting, CoinsRunningOutStopTheBet) {
    {
        Machine m;
        Game& g = m.game;
        g.counters.Coin = "2";
        for (int i = 0; i < 3; ++i) g.betting.ClickBetUp();
        EXPECT_EQ(g.counters.Bet, "2");
        EXPECT_EQ(g.counters.Coin, "0");
        EXPECT_EQ(g.counters.UsedCoin, "2");
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.Sounds().size(), 2u);
        EXPECT_NE(g.betLamps.BetLamp(3, 0), kRed);
        // No coins, bet 2: Start keeps its state whichever it is.
        g.betting.startOffered = false;
        g.betting.ClickBetUp();
        EXPECT_FALSE(g.menu.Enabled(menu::Entry::Start));
    }
    {
        Machine m;  // no coins, no bet: beep, and Start stays disabled
        m.game.counters.Coin = "0";
        m.game.betting.ClickBetUp();
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.counters.Bet, "0");
        EXPECT_FALSE(m.game.menu.Enabled(menu::Entry::Start));
    }
    {
        Machine m;  // a negative coin count (a doctored save) bets nothing
        m.game.counters.Coin = "-3";
        m.game.betting.ClickBetUp();
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.counters.Bet, "0");
        EXPECT_TRUE(m.game.menu.Enabled(menu::Entry::Start));
    }
}

TEST(Betting, HoverColoursFollowThePointer) {
    Machine m;
    Game& g = m.game;
    EXPECT_EQ(g.betting.BetUp.foreColor, kDefaultText);
    g.betting.HoverBetUp();
    EXPECT_EQ(g.betting.BetUp.foreColor, kRed);
    EXPECT_EQ(g.betting.BetDown.foreColor, kBlack);
    g.betting.HoverBetDown();
    EXPECT_EQ(g.betting.BetUp.foreColor, kBlack);
    EXPECT_EQ(g.betting.BetDown.foreColor, kRed);
    g.betting.HoverBackground();
    EXPECT_EQ(g.betting.BetUp.foreColor, kBlack);
    EXPECT_EQ(g.betting.BetDown.foreColor, kBlack);
    // Disabled during a game: no hover colour.
    g.betting.ClickBetUp();
    g.menu.ClickStart();
    g.betting.HoverBetUp();
    EXPECT_EQ(g.betting.BetUp.foreColor, kBlack);
}

TEST(BetLamps, OutOfRangeBetsAreReportedAndDarkenEverything) {
    Machine m;
    Game& g = m.game;
    g.betting.ClickBetUp();
    g.counters.Bet = "4";
    g.betLamps.LightBetLamp();
    g.counters.Bet = "3";
    g.betLamps.DimBetLamp();
    g.counters.Bet = "Bet";  // text that is no number reads as 0: line 1 goes dark, no report
    g.betLamps.BetLamp(1, 0) = kRed;
    g.betLamps.DimBetLamp();
    EXPECT_EQ(m.fx.Messages(), (std::vector<std::string>{"Bet数の加算が異常です。", "Bet数の減算が異常です。"}));
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "Error", "Error"}));
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(BetLamps, AWinningLineFlashesAndThePhaseCarriesOver) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) g.betting.ClickBetUp();
    g.menu.ClickStart();
    m.ShowSymbols({{Melon, Star, Grapes}, {Peach, Melon, Watermelon}, {Bell, Replay, Melon}});  // falling diagonal
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    ASSERT_EQ(g.judge.winningLine, 4);
    // First flash since start: dark, then lit, every 100 ms, only Line1(0) and Line3(1).
    for (int tick = 0; tick < 5; ++tick) {
        m.Advance(100);
        const Colour flash = tick % 2 == 0 ? kBlack : kRed;
        EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{flash, kRed, kRed, kRed, kRed, flash})) << tick;
    }
    EXPECT_EQ(g.betLamps.BetLampPhase, 1);  // five steps from 0
    m.clock.AdvanceUntil([&] { return !g.judge.coinUpTimer.Enabled(); }, 5000);
    const int steps = static_cast<int>(g.betLamps.betLampTimer.TicksRun());
    EXPECT_EQ(g.betLamps.BetLampPhase, steps % 2);
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);

    // The next flash starts from where this one stopped; bet 2, line 2 flashes, Line3 stays dark.
    const int phase = g.betLamps.BetLampPhase;
    g.betting.ClickBetUp();
    g.betting.ClickBetUp();
    g.menu.ClickStart();
    m.ShowSymbols({{Bell, Star, Grapes}, {Bar, Bar, Bar}, {Peach, Replay, Melon}});
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    m.Advance(100);
    const Colour first = phase == 1 ? kRed : kBlack;
    EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{kRed, kRed, first, first, kBlack, kBlack}));
}

TEST(BetLamps, AFlashOfNoLineIsReportedOnceThenStops) {
    Machine m;
    Game& g = m.game;
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(500); };
    g.betting.ClickBetUp();
    g.betLamps.betLampTimer.SetEnabled(true);  // no winning line yet
    m.Advance(100);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"判定で異常です。"});
    EXPECT_FALSE(g.betLamps.betLampTimer.Enabled());
    EXPECT_EQ(g.betLamps.BetLampPhase, 1);  // the phase moved on past the report
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(Menu, StartEntryAndHoverColours) {
    Machine m;
    Game& g = m.game;
    g.menu.Hover(menu::Entry::Start);  // greyed: no colour
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Start), kBlack);
    g.menu.ClickStart();
    EXPECT_EQ(g.counters.Run, "0");
    g.menu.Hover(menu::Entry::Ended);
    g.menu.Hover(menu::Entry::Loading);
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Loading), kRed);
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Ended), kBlack);
    g.menu.Hover(menu::Entry::Version);
    g.menu.Hover(menu::Entry::Save);
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Save), kRed);
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Version), kBlack);
    g.menu.HoverBackground();
    for (menu::Entry e : menu::kEntries) EXPECT_EQ(g.menu.ForeColor(e), kBlack);
    g.betting.RaiseBet();
    g.menu.Hover(menu::Entry::Start);
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Start), kRed);
    g.menu.ClickStart();
    EXPECT_EQ(g.counters.Run, "1");
    EXPECT_FALSE(g.menu.Enabled(menu::Entry::Start));
}

// A load replaces the counters: offered only between games, with nothing
// staked, so that no stake is refunded into loaded counters and no running
// game ends inside them.
TEST(Menu, LoadingIsOfferedOnlyBetweenGames) {
    Machine m;
    Game& g = m.game;
    EXPECT_TRUE(g.menu.Enabled(menu::Entry::Loading));
    g.betting.ClickBetUp();
    EXPECT_FALSE(g.menu.Enabled(menu::Entry::Loading));
    g.betting.ClickBetDown();
    EXPECT_TRUE(g.menu.Enabled(menu::Entry::Loading));
    m.BetAndStart();
    EXPECT_FALSE(g.menu.Enabled(menu::Entry::Loading));  // spinning
    m.ShowSymbols({{Bell, Bell, Bell}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    m.StopAllReels();
    EXPECT_FALSE(g.menu.Enabled(menu::Entry::Loading));  // counting up
    g.menu.Hover(menu::Entry::Loading);
    EXPECT_EQ(g.menu.ForeColor(menu::Entry::Loading), kBlack);
    m.clock.AdvanceUntil([&] { return !g.reels.GameUnderWay(); }, 5000);
    EXPECT_TRUE(g.menu.Enabled(menu::Entry::Loading));
}

}  // namespace
}  // namespace kararion
