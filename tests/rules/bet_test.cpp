// Raising and lowering the bet, the bet lamps it lights, and the win flash.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "bet/bet_buttons.h"
#include "lamps/bet_lamps.h"
#include "menu/menu_entries.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;

std::array<Colour, 6> Lamps(const Game& g) {
    return {g.form1.Line(1, 0), g.form1.Line(1, 1), g.form1.Line(2, 0),
            g.form1.Line(2, 1), g.form1.Line(3, 0), g.form1.Line(3, 1)};
}

TEST(Betting, UpAndDownMoveCoinsAndLightTheLinesInPairs) {
    Machine m;
    Game& g = m.game;
    for (int bet = 1; bet <= 3; ++bet) {
        Form6::BetUp_Click(g);
        EXPECT_EQ(g.form6.Bet, std::to_string(bet));
        EXPECT_EQ(m.Counter(g.form6.Coin), 100 - bet);
        EXPECT_EQ(m.Counter(g.form6.UsedCoin), bet);
        for (int line = 1; line <= 3; ++line) {
            const Colour want = line <= bet ? kRed : kDefaultText;
            EXPECT_EQ(g.form1.Line(line, 0), want);
            EXPECT_EQ(g.form1.Line(line, 1), want);
        }
        EXPECT_TRUE(g.form5.Start.enabled);
    }
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "BetUp", "BetUp"}));

    Form6::BetUp_Click(g);  // full: a beep, nothing else, Start stays enabled
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(g.form6.Bet, "3");
    EXPECT_EQ(g.form6.Coin, "97");
    EXPECT_TRUE(g.form5.Start.enabled);

    for (int bet = 2; bet >= 0; --bet) {
        Form6::BetDown_Click(g);
        EXPECT_EQ(g.form6.Bet, std::to_string(bet));
        EXPECT_EQ(m.Counter(g.form6.Coin), 100 - bet);
        EXPECT_EQ(m.Counter(g.form6.UsedCoin), bet);
        EXPECT_EQ(g.form1.Line(bet + 1, 0), kBlack);
        EXPECT_EQ(g.form1.Line(bet + 1, 1), kBlack);
        if (bet > 0) {
            EXPECT_EQ(g.form1.Line(bet, 0), kRed);
        }
        EXPECT_EQ(g.form5.Start.enabled, bet > 0);
    }
    EXPECT_EQ(m.Sounds().back(), "BetDown");
    m.fx.Clear();
    Form6::BetDown_Click(g);  // at 0: a beep alone
    EXPECT_EQ(m.fx.beeps, 1);
    EXPECT_EQ(m.fx.events.size(), 1u);
    EXPECT_EQ(g.form6.Coin, "100");
}

TEST(Betting, CoinsRunningOutStopTheBet) {
    {
        Machine m;
        Game& g = m.game;
        g.form6.Coin = "2";
        for (int i = 0; i < 3; ++i) Form6::BetUp_Click(g);
        EXPECT_EQ(g.form6.Bet, "2");
        EXPECT_EQ(g.form6.Coin, "0");
        EXPECT_EQ(g.form6.UsedCoin, "2");
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.Sounds().size(), 2u);
        EXPECT_NE(g.form1.Line(3, 0), kRed);
        // No coins, bet 2: Start keeps its state whichever it is.
        g.form5.Start.enabled = false;
        Form6::BetUp_Click(g);
        EXPECT_FALSE(g.form5.Start.enabled);
    }
    {
        Machine m;  // no coins, no bet: beep, and Start stays disabled
        m.game.form6.Coin = "0";
        Form6::BetUp_Click(m.game);
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.form6.Bet, "0");
        EXPECT_FALSE(m.game.form5.Start.enabled);
    }
    {
        Machine m;  // a negative coin count (a doctored save) bets nothing
        m.game.form6.Coin = "-3";
        Form6::BetUp_Click(m.game);
        EXPECT_EQ(m.fx.beeps, 1);
        EXPECT_EQ(m.game.form6.Bet, "0");
        EXPECT_TRUE(m.game.form5.Start.enabled);
    }
}

TEST(Betting, HoverColoursFollowThePointer) {
    Machine m;
    Game& g = m.game;
    EXPECT_EQ(g.form6.BetUp.foreColor, kDefaultText);
    Form6::BetUp_MouseMove(g);
    EXPECT_EQ(g.form6.BetUp.foreColor, kRed);
    EXPECT_EQ(g.form6.BetDown.foreColor, kBlack);
    Form6::BetDown_MouseMove(g);
    EXPECT_EQ(g.form6.BetUp.foreColor, kBlack);
    EXPECT_EQ(g.form6.BetDown.foreColor, kRed);
    Form6::Form_MouseMove(g);
    EXPECT_EQ(g.form6.BetUp.foreColor, kBlack);
    EXPECT_EQ(g.form6.BetDown.foreColor, kBlack);
    // Disabled during a game: no hover colour.
    Form6::BetUp_Click(g);
    Form5::Start_Click(g);
    Form6::BetUp_MouseMove(g);
    EXPECT_EQ(g.form6.BetUp.foreColor, kBlack);
}

TEST(BetLamps, OutOfRangeBetsAreReportedAndDarkenEverything) {
    Machine m;
    Game& g = m.game;
    Form6::BetUp_Click(g);
    g.form6.Bet = "4";
    BetLedC::LightBetLamp(g);
    g.form6.Bet = "3";
    BetLedC::DimBetLamp(g);
    g.form6.Bet = "Bet";  // text that is no number reads as 0: line 1 goes dark, no report
    g.form1.Line(1, 0) = kRed;
    BetLedC::DimBetLamp(g);
    EXPECT_EQ(m.fx.Messages(), (std::vector<std::string>{"Bet数の加算が異常です。", "Bet数の減算が異常です。"}));
    EXPECT_EQ(m.Sounds(), (std::vector<std::string>{"BetUp", "Error", "Error"}));
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(BetLamps, AWinningLineFlashesAndThePhaseCarriesOver) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) Form6::BetUp_Click(g);
    Form5::Start_Click(g);
    m.ShowSymbols({{8, 3, 4}, {5, 8, 6}, {1, 9, 8}});  // falling diagonal
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    ASSERT_EQ(g.form1.Num, 4);
    // First flash since start: dark, then lit, every 100 ms, only Line1(0) and Line3(1).
    for (int tick = 0; tick < 5; ++tick) {
        m.Advance(100);
        const Colour flash = tick % 2 == 0 ? kBlack : kRed;
        EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{flash, kRed, kRed, kRed, kRed, flash})) << tick;
    }
    EXPECT_EQ(g.betLedC.BetLampPhase, 1);  // five steps from 0
    m.clock.AdvanceUntil([&] { return !g.form1.CoinUp.Enabled(); }, 5000);
    const int steps = static_cast<int>(g.form1.BetLed.TicksRun());
    EXPECT_EQ(g.betLedC.BetLampPhase, steps % 2);
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);

    // The next flash starts from where this one stopped; bet 2, line 2 flashes, Line3 stays dark.
    const int phase = g.betLedC.BetLampPhase;
    Form6::BetUp_Click(g);
    Form6::BetUp_Click(g);
    Form5::Start_Click(g);
    m.ShowSymbols({{1, 3, 4}, {7, 7, 7}, {5, 9, 8}});
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    m.Advance(100);
    const Colour first = phase == 1 ? kRed : kBlack;
    EXPECT_EQ(Lamps(g), (std::array<Colour, 6>{kRed, kRed, first, first, kBlack, kBlack}));
}

TEST(BetLamps, AFlashOfNoLineIsReportedOnceThenStops) {
    Machine m;
    Game& g = m.game;
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(500); };
    Form6::BetUp_Click(g);
    g.form1.BetLed.SetEnabled(true);  // Num is still 0
    m.Advance(100);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"判定で異常です。"});
    EXPECT_FALSE(g.form1.BetLed.Enabled());
    EXPECT_EQ(g.betLedC.BetLampPhase, 1);  // the phase moved on past the report
    for (Colour c : Lamps(g)) EXPECT_EQ(c, kBlack);
}

TEST(Menu, StartEntryAndHoverColours) {
    Machine m;
    Game& g = m.game;
    Form5::Start_MouseMove(g);  // greyed: no colour
    EXPECT_EQ(g.form5.Start.foreColor, kBlack);
    Form5::Start_Click(g);
    EXPECT_EQ(g.form6.Run, "0");
    Form5::Ended_MouseMove(g);
    Form5::Loading_MouseMove(g);
    EXPECT_EQ(g.form5.Loading.foreColor, kRed);
    EXPECT_EQ(g.form5.Ended.foreColor, kBlack);
    Form5::Version_MouseMove(g);
    Form5::Save_MouseMove(g);
    EXPECT_EQ(g.form5.Save.foreColor, kRed);
    EXPECT_EQ(g.form5.Version.foreColor, kBlack);
    Form5::Form_MouseMove(g);
    for (const Caption* c : {&g.form5.Start, &g.form5.Save, &g.form5.Loading, &g.form5.Version, &g.form5.Ended})
        EXPECT_EQ(c->foreColor, kBlack);
    BetC::RaiseBet(g);
    Form5::Start_MouseMove(g);
    EXPECT_EQ(g.form5.Start.foreColor, kRed);
    Form5::Start_Click(g);
    EXPECT_EQ(g.form6.Run, "1");
    EXPECT_FALSE(g.form5.Start.enabled);
}

}  // namespace
}  // namespace kararion
