// Raising and lowering the bet, the bet lamps it lights, and the win flash.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "core/tuning.h"
#include "lamps/bet_lamps.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using tuning::kStartCoins;
using enum Symbol;

std::array<Colour, 6> Lamps(const Game& g) {
    return {g.betLamps().BetLamp(1, 0), g.betLamps().BetLamp(1, 1), g.betLamps().BetLamp(2, 0),
            g.betLamps().BetLamp(2, 1), g.betLamps().BetLamp(3, 0), g.betLamps().BetLamp(3, 1)};
}

TEST(Betting, UpAndDownMoveCoinsAndLightTheLinesInPairs) {
    Machine m;
    Game& g = m.game;
    for (int bet = 1; bet <= 3; ++bet) {
        g.ClickBetUp();
        EXPECT_EQ(g.counters().Bet(), bet);
        EXPECT_EQ(g.counters().Coin(), kStartCoins - bet);
        EXPECT_EQ(g.counters().UsedCoin(), bet);
        for (int line = 1; line <= 3; ++line) {
            const Colour want = line <= bet ? kRed : kDefaultText;
            EXPECT_EQ(g.betLamps().BetLamp(line, 0), want);
            EXPECT_EQ(g.betLamps().BetLamp(line, 1), want);
        }
        EXPECT_TRUE(g.menu().Enabled(menu::Entry::Start));
    }
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "BetUp", "BetUp"}));

    g.ClickBetUp();  // full: a beep, nothing else, Start stays enabled
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(g.counters().Bet(), 3);
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 3);
    EXPECT_TRUE(g.menu().Enabled(menu::Entry::Start));

    for (int bet = 2; bet >= 0; --bet) {
        g.ClickBetDown();
        EXPECT_EQ(g.counters().Bet(), bet);
        EXPECT_EQ(g.counters().Coin(), kStartCoins - bet);
        EXPECT_EQ(g.counters().UsedCoin(), bet);
        EXPECT_EQ(g.betLamps().BetLamp(bet + 1, 0), kBlack);
        EXPECT_EQ(g.betLamps().BetLamp(bet + 1, 1), kBlack);
        if (bet > 0) {
            EXPECT_EQ(g.betLamps().BetLamp(bet, 0), kRed);
        }
        EXPECT_EQ(g.menu().Enabled(menu::Entry::Start), bet > 0);
    }
    EXPECT_EQ(m.Sounds().back(), "BetDown");
    m.fx.Clear();
    g.ClickBetDown();  // at 0: a beep alone
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(m.fx.events.size(), 1u);
    EXPECT_EQ(g.counters().Coin(), kStartCoins);
}

TEST(Betting, CoinsRunningOutStopTheBet) {
    {
        Machine m;
        Game& g = m.game;
        m.Setup().SetCoins(2);
        for (int i = 0; i < 3; ++i) g.ClickBetUp();
        EXPECT_EQ(g.counters().Bet(), 2);
        EXPECT_EQ(g.counters().Coin(), 0);
        EXPECT_EQ(g.counters().UsedCoin(), 2);
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.Sounds().size(), 2u);
        EXPECT_NE(g.betLamps().BetLamp(3, 0), kRed);
        // No coins, bet 2: the stake still offers スタート.
        g.ClickBetUp();
        EXPECT_TRUE(g.menu().Enabled(menu::Entry::Start));
    }
    {
        Machine m;  // no coins, no bet: beep, and Start stays disabled
        m.Setup().SetCoins(0);
        m.game.ClickBetUp();
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.counters().Bet(), 0);
        EXPECT_FALSE(m.game.menu().Enabled(menu::Entry::Start));
    }
    {
        Machine m;  // a full book: the stake is refused with a beep rather than pass the largest count
        m.Setup().SetSaved({.coin = 5, .usedCoin = kLargestCount});
        m.game.ClickBetUp();
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.counters().Bet(), 0);
        EXPECT_EQ(m.game.counters().UsedCoin(), kLargestCount);
        EXPECT_FALSE(m.game.menu().Enabled(menu::Entry::Start));
    }
}

TEST(Betting, HoverColoursFollowThePointer) {
    Machine m;
    Game& g = m.game;
    EXPECT_EQ(g.betting().BetUp().foreColor, kDefaultText);
    g.HoverBetUp();
    EXPECT_EQ(g.betting().BetUp().foreColor, kRed);
    EXPECT_EQ(g.betting().BetDown().foreColor, kBlack);
    g.HoverBetDown();
    EXPECT_EQ(g.betting().BetUp().foreColor, kBlack);
    EXPECT_EQ(g.betting().BetDown().foreColor, kRed);
    g.HoverBetBackground();
    EXPECT_EQ(g.betting().BetUp().foreColor, kBlack);
    EXPECT_EQ(g.betting().BetDown().foreColor, kBlack);
    // Disabled during a game: no hover colour.
    g.ClickBetUp();
    g.ClickStart();
    g.HoverBetUp();
    EXPECT_EQ(g.betting().BetUp().foreColor, kBlack);
}

TEST(BetLamps, OutOfRangeBetsAreReportedAndDarkenEverything) {
    Machine m;
    Game& g = m.game;
    g.ClickBetUp();
    // A stake beyond three, as only a broken book could hold: the next coin
    // lights no row, and taking one back darkens none.
    m.Setup().SetStake(3);
    m.Setup().SetCoins(10);
    g.ClickBetUp();  // a full stake: a beep
    m.Setup().SetStake(5);
    g.ClickBetDown();
    EXPECT_EQ(m.fx.Messages(), (std::vector<std::string>{"Bet数の減算が異常です。"}));
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "BetDown", "Error"}));
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(BetLamps, AWinningLineFlashesAndThePhaseCarriesOver) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) g.ClickBetUp();
    g.ClickStart();
    m.ShowSymbols({{Melon, Star, Grapes}, {Peach, Melon, Watermelon}, {Bell, Replay, Melon}});  // falling diagonal
    g.ClickStop(1);
    g.ClickStop(2);
    g.ClickStop(3);
    ASSERT_EQ(g.judge().WinningLine(), 4);
    // First flash since start: dark, then lit, every 100 ms, only Line1(0) and Line3(1).
    for (int tick = 0; tick < 5; ++tick) {
        m.Advance(100);
        const Colour flash = tick % 2 == 0 ? kBlack : kRed;
        EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{flash, kRed, kRed, kRed, kRed, flash})) << tick;
    }
    EXPECT_EQ(g.betLamps().BetLampPhase(), 1);  // five steps from 0
    m.clock.AdvanceUntil([&] { return !g.judge().CountUpTimer().Enabled(); }, 5000);
    const int steps = static_cast<int>(g.betLamps().FlashTimer().TicksRun());
    EXPECT_EQ(g.betLamps().BetLampPhase(), steps % 2);
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);

    // The next flash starts from where this one stopped; bet 2, line 2 flashes, Line3 stays dark.
    const int phase = g.betLamps().BetLampPhase();
    g.ClickBetUp();
    g.ClickBetUp();
    g.ClickStart();
    m.ShowSymbols({{Bell, Star, Grapes}, {Bar, Bar, Bar}, {Peach, Replay, Melon}});
    g.ClickStop(1);
    g.ClickStop(2);
    g.ClickStop(3);
    m.Advance(100);
    const Colour first = phase == 1 ? kRed : kBlack;
    EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{kRed, kRed, first, first, kBlack, kBlack}));
}

TEST(BetLamps, AFlashOfNoLineIsReportedOnceThenStops) {
    Machine m;
    Game& g = m.game;
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(500); };
    g.ClickBetUp();
    m.Setup().FlashWithoutALine();  // no winning line yet
    m.Advance(100);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"判定で異常です。"});
    EXPECT_FALSE(g.betLamps().FlashTimer().Enabled());
    EXPECT_EQ(g.betLamps().BetLampPhase(), 1);  // the phase moved on past the report
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(Menu, StartEntryAndHoverColours) {
    Machine m;
    Game& g = m.game;
    g.HoverMenu(menu::Entry::Start);  // greyed: no colour
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Start), kBlack);
    g.ClickStart();
    EXPECT_EQ(g.counters().Run(), 0);
    g.HoverMenu(menu::Entry::Ended);
    g.HoverMenu(menu::Entry::Loading);
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Loading), kRed);
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Ended), kBlack);
    g.HoverMenu(menu::Entry::Version);
    g.HoverMenu(menu::Entry::Save);
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Save), kRed);
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Version), kBlack);
    g.HoverMenuBackground();
    for (menu::Entry e : menu::kEntries) EXPECT_EQ(g.menu().ForeColor(e), kBlack);
    g.ClickBetUp();
    g.HoverMenu(menu::Entry::Start);
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Start), kRed);
    g.ClickStart();
    EXPECT_EQ(g.counters().Run(), 1);
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Start));
}

// A load replaces the counters: offered only between games, with nothing
// staked, so that no stake is refunded into loaded counters and no running
// game ends inside them.
TEST(Menu, LoadingIsOfferedOnlyBetweenGames) {
    Machine m;
    Game& g = m.game;
    EXPECT_TRUE(g.menu().Enabled(menu::Entry::Loading));
    g.ClickBetUp();
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Loading));
    g.ClickBetDown();
    EXPECT_TRUE(g.menu().Enabled(menu::Entry::Loading));
    m.BetAndStart();
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Loading));  // spinning
    m.ShowSymbols({{Bell, Bell, Bell}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    m.StopAllReels();
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Loading));  // counting up
    g.HoverMenu(menu::Entry::Loading);
    EXPECT_EQ(g.menu().ForeColor(menu::Entry::Loading), kBlack);
    m.clock.AdvanceUntil([&] { return !GameUnderWay(g.phase()); }, 5000);
    EXPECT_TRUE(g.menu().Enabled(menu::Entry::Loading));
}

}  // namespace
}  // namespace kararion
