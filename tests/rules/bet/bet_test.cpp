// Raising and lowering the bet, the bet lamps it lights, and the win flash.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "bet/bet_buttons.h"
#include "lamps/bet_lamps.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using enum Symbol;

std::array<Colour, 6> Lamps(const Game& g) {
    return {g.main.BetLamp(1, 0), g.main.BetLamp(1, 1), g.main.BetLamp(2, 0),
            g.main.BetLamp(2, 1), g.main.BetLamp(3, 0), g.main.BetLamp(3, 1)};
}

TEST(Betting, UpAndDownMoveCoinsAndLightTheLinesInPairs) {
    Machine m;
    Game& g = m.game;
    for (int bet = 1; bet <= 3; ++bet) {
        info::ClickBetUp(g);
        EXPECT_EQ(g.info.Bet, std::to_string(bet));
        EXPECT_EQ(m.Counter(g.info.Coin), 100 - bet);
        EXPECT_EQ(m.Counter(g.info.UsedCoin), bet);
        for (int line = 1; line <= 3; ++line) {
            const Colour want = line <= bet ? kRed : kDefaultText;
            EXPECT_EQ(g.main.BetLamp(line, 0), want);
            EXPECT_EQ(g.main.BetLamp(line, 1), want);
        }
        EXPECT_TRUE(g.menu.Start.enabled);
    }
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "BetUp", "BetUp"}));

    info::ClickBetUp(g);  // full: a beep, nothing else, Start stays enabled
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(g.info.Bet, "3");
    EXPECT_EQ(g.info.Coin, "97");
    EXPECT_TRUE(g.menu.Start.enabled);

    for (int bet = 2; bet >= 0; --bet) {
        info::ClickBetDown(g);
        EXPECT_EQ(g.info.Bet, std::to_string(bet));
        EXPECT_EQ(m.Counter(g.info.Coin), 100 - bet);
        EXPECT_EQ(m.Counter(g.info.UsedCoin), bet);
        EXPECT_EQ(g.main.BetLamp(bet + 1, 0), kBlack);
        EXPECT_EQ(g.main.BetLamp(bet + 1, 1), kBlack);
        if (bet > 0) {
            EXPECT_EQ(g.main.BetLamp(bet, 0), kRed);
        }
        EXPECT_EQ(g.menu.Start.enabled, bet > 0);
    }
    EXPECT_EQ(m.Sounds().back(), "BetDown");
    m.fx.Clear();
    info::ClickBetDown(g);  // at 0: a beep alone
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(m.fx.events.size(), 1u);
    EXPECT_EQ(g.info.Coin, "100");
}

TEST(Betting, CoinsRunningOutStopTheBet) {
    {
        Machine m;
        Game& g = m.game;
        g.info.Coin = "2";
        for (int i = 0; i < 3; ++i) info::ClickBetUp(g);
        EXPECT_EQ(g.info.Bet, "2");
        EXPECT_EQ(g.info.Coin, "0");
        EXPECT_EQ(g.info.UsedCoin, "2");
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.Sounds().size(), 2u);
        EXPECT_NE(g.main.BetLamp(3, 0), kRed);
        // No coins, bet 2: Start keeps its state whichever it is.
        g.menu.Start.enabled = false;
        info::ClickBetUp(g);
        EXPECT_FALSE(g.menu.Start.enabled);
    }
    {
        Machine m;  // no coins, no bet: beep, and Start stays disabled
        m.game.info.Coin = "0";
        info::ClickBetUp(m.game);
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.info.Bet, "0");
        EXPECT_FALSE(m.game.menu.Start.enabled);
    }
    {
        Machine m;  // a negative coin count (a doctored save) bets nothing
        m.game.info.Coin = "-3";
        info::ClickBetUp(m.game);
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.info.Bet, "0");
        EXPECT_TRUE(m.game.menu.Start.enabled);
    }
}

TEST(Betting, HoverColoursFollowThePointer) {
    Machine m;
    Game& g = m.game;
    EXPECT_EQ(g.info.BetUp.foreColor, kDefaultText);
    info::HoverBetUp(g);
    EXPECT_EQ(g.info.BetUp.foreColor, kRed);
    EXPECT_EQ(g.info.BetDown.foreColor, kBlack);
    info::HoverBetDown(g);
    EXPECT_EQ(g.info.BetUp.foreColor, kBlack);
    EXPECT_EQ(g.info.BetDown.foreColor, kRed);
    info::HoverBackground(g);
    EXPECT_EQ(g.info.BetUp.foreColor, kBlack);
    EXPECT_EQ(g.info.BetDown.foreColor, kBlack);
    // Disabled during a game: no hover colour.
    info::ClickBetUp(g);
    menu::ClickStart(g);
    info::HoverBetUp(g);
    EXPECT_EQ(g.info.BetUp.foreColor, kBlack);
}

TEST(BetLamps, OutOfRangeBetsAreReportedAndDarkenEverything) {
    Machine m;
    Game& g = m.game;
    info::ClickBetUp(g);
    g.info.Bet = "4";
    bet_lamps::LightBetLamp(g);
    g.info.Bet = "3";
    bet_lamps::DimBetLamp(g);
    g.info.Bet = "Bet";  // text that is no number reads as 0: line 1 goes dark, no report
    g.main.BetLamp(1, 0) = kRed;
    bet_lamps::DimBetLamp(g);
    EXPECT_EQ(m.fx.Messages(), (std::vector<std::string>{"Bet数の加算が異常です。", "Bet数の減算が異常です。"}));
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "Error", "Error"}));
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(BetLamps, AWinningLineFlashesAndThePhaseCarriesOver) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) info::ClickBetUp(g);
    menu::ClickStart(g);
    m.ShowSymbols({{Melon, Star, Grapes}, {Peach, Melon, Watermelon}, {Bell, Replay, Melon}});  // falling diagonal
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    ASSERT_EQ(g.main.winningLine, 4);
    // First flash since start: dark, then lit, every 100 ms, only Line1(0) and Line3(1).
    for (int tick = 0; tick < 5; ++tick) {
        m.Advance(100);
        const Colour flash = tick % 2 == 0 ? kBlack : kRed;
        EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{flash, kRed, kRed, kRed, kRed, flash})) << tick;
    }
    EXPECT_EQ(g.betLamps.BetLampPhase, 1);  // five steps from 0
    m.clock.AdvanceUntil([&] { return !g.main.coinUpTimer.Enabled(); }, 5000);
    const int steps = static_cast<int>(g.main.betLampTimer.TicksRun());
    EXPECT_EQ(g.betLamps.BetLampPhase, steps % 2);
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);

    // The next flash starts from where this one stopped; bet 2, line 2 flashes, Line3 stays dark.
    const int phase = g.betLamps.BetLampPhase;
    info::ClickBetUp(g);
    info::ClickBetUp(g);
    menu::ClickStart(g);
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
    info::ClickBetUp(g);
    g.main.betLampTimer.SetEnabled(true);  // no winning line yet
    m.Advance(100);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"判定で異常です。"});
    EXPECT_FALSE(g.main.betLampTimer.Enabled());
    EXPECT_EQ(g.betLamps.BetLampPhase, 1);  // the phase moved on past the report
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(Menu, StartEntryAndHoverColours) {
    Machine m;
    Game& g = m.game;
    menu::HoverStart(g);  // greyed: no colour
    EXPECT_EQ(g.menu.Start.foreColor, kBlack);
    menu::ClickStart(g);
    EXPECT_EQ(g.info.Run, "0");
    menu::HoverEnded(g);
    menu::HoverLoading(g);
    EXPECT_EQ(g.menu.Loading.foreColor, kRed);
    EXPECT_EQ(g.menu.Ended.foreColor, kBlack);
    menu::HoverVersion(g);
    menu::HoverSave(g);
    EXPECT_EQ(g.menu.Save.foreColor, kRed);
    EXPECT_EQ(g.menu.Version.foreColor, kBlack);
    menu::HoverBackground(g);
    for (const Caption* c : {&g.menu.Start, &g.menu.Save, &g.menu.Loading, &g.menu.Version, &g.menu.Ended})
        EXPECT_EQ(c->foreColor, kBlack);
    betting::RaiseBet(g);
    menu::HoverStart(g);
    EXPECT_EQ(g.menu.Start.foreColor, kRed);
    menu::ClickStart(g);
    EXPECT_EQ(g.info.Run, "1");
    EXPECT_FALSE(g.menu.Start.enabled);
}

}  // namespace
}  // namespace kararion
