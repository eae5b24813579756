// Strips, spinning, stopping, starting again, and the reel lamps around them.
#include <gtest/gtest.h>

#include "bet/bet_buttons.h"
#include "lamps/reel_lamps.h"
#include "menu/menu_entries.h"
#include "reels/spin.h"
#include "reels/start.h"
#include "reels/stop.h"
#include "reels/strips.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;

constexpr int kStrip[3][10] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
    {3, 6, 9, 2, 5, 8, 10, 1, 4, 7},
    {4, 8, 10, 2, 6, 9, 7, 5, 1, 3},
};

int StripAt(int reel, int position) { return kStrip[reel - 1][(position + 9) % 10]; }

void BetAndStart(Machine& m, int coins = 1) {
    for (int i = 0; i < coins; ++i) Form6::BetUp_Click(m.game);
    Form5::Start_Click(m.game);
}

TEST(Strips, SplitIntoTwelveWithTheSymbolsAtOneToTen) {
    Machine m;
    for (int reel = 1; reel <= 3; ++reel) {
        const auto parts = SplitStrip(m.game.form1.SL(reel));
        ASSERT_EQ(parts.size(), 12u);
        EXPECT_EQ(parts[0], "0");
        EXPECT_EQ(parts[11], "");
        for (int p = 1; p <= 10; ++p) EXPECT_EQ(PictureOfElement(parts[p]), kStrip[reel - 1][p - 1]);
    }
    EXPECT_EQ(SplitStrip("a<><>b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(PictureOfElement("x"), 0);
    EXPECT_EQ(PictureOfElement(""), 0);
}

TEST(Spin, SymbolsTravelDownAndFollowTheStripAfterThreeSteps) {
    Machine m;
    Game& g = m.game;
    const Picture loadTop = g.form1.Slot(1, 1), loadMiddle = g.form1.Slot(1, 2);
    RunC::SpinReel1(g);  // first step after start: position 1
    EXPECT_EQ(g.runC.ReelPos1, 1);
    EXPECT_EQ(g.form1.Slot(1, 1), 1);
    EXPECT_EQ(g.form1.Slot(1, 2), loadTop);
    EXPECT_EQ(g.form1.Slot(1, 3), loadMiddle);
    EXPECT_EQ(g.runC.ReelStrip1.size(), 12u);

    for (int reel = 2; reel <= 3; ++reel) {
        for (int step = 1; step <= 25; ++step) {
            if (reel == 2) {
                RunC::SpinReel2(g);
            } else {
                RunC::SpinReel3(g);
            }
            const int p = reel == 2 ? g.runC.ReelPos2 : g.runC.ReelPos3;
            EXPECT_EQ(p, (step - 1) % 10 + 1);
            EXPECT_EQ(g.form1.Slot(reel, 1), StripAt(reel, p));
            if (step >= 3) {
                EXPECT_EQ(g.form1.Slot(reel, 2), StripAt(reel, p - 1));
                EXPECT_EQ(g.form1.Slot(reel, 3), StripAt(reel, p - 2));
            }
        }
    }
    // Reel 2 at position 1 shows 3, 7, 4; reel 3 at position 10 shows 3, 1, 5.
    g.runC.ReelPos2 = 8;
    for (int i = 0; i < 3; ++i) RunC::SpinReel2(g);
    EXPECT_EQ(g.runC.ReelPos2, 1);
    EXPECT_EQ(g.form1.Slot(2, 1), 3);
    EXPECT_EQ(g.form1.Slot(2, 2), 7);
    EXPECT_EQ(g.form1.Slot(2, 3), 4);
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(Spin, ReelsStepAtTheirOwnRatesAndKeepTheirPlaceBetweenGames) {
    Machine m;
    Game& g = m.game;
    BetAndStart(m);
    m.Advance(1000);
    EXPECT_EQ(g.form1.SLT1.TicksRun(), 20);
    EXPECT_EQ(g.form1.SLT2.TicksRun(), 25);
    EXPECT_EQ(g.form1.SLT3.TicksRun(), 16);
    EXPECT_EQ(g.runC.ReelPos1, 10);
    EXPECT_EQ(g.runC.ReelPos2, 5);
    EXPECT_EQ(g.runC.ReelPos3, 6);
    const std::array<Picture, 3> shown{g.form1.Slot(1, 1), g.form1.Slot(1, 2), g.form1.Slot(1, 3)};
    Form1::Stop1_Click(g);
    m.Advance(1000);  // a stopped reel takes no further step
    EXPECT_EQ(g.runC.ReelPos1, 10);
    EXPECT_EQ((std::array<Picture, 3>{g.form1.Slot(1, 1), g.form1.Slot(1, 2), g.form1.Slot(1, 3)}), shown);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    m.clock.AdvanceUntil([&] { return g.form6.BetUp.enabled; }, 10000);
    BetAndStart(m);
    m.Advance(50);
    EXPECT_EQ(g.runC.ReelPos1, 1);  // from 10 on to 1, not from the start
}

TEST(Spin, AnImpossiblePositionIsReportedOnceAndHaltsEveryReel) {
    Machine m;
    Game& g = m.game;
    BetAndStart(m);
    g.runC.ReelPos2 = -1;  // the next step would reach 0
    // The box stays open for 200 ms; reel 2's ticks meanwhile must not report again.
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(200); };
    m.Advance(40);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"画像値2が異常です"});
    EXPECT_EQ(m.Sounds().back(), "Error");
    EXPECT_FALSE(g.form1.SLT1.Enabled() || g.form1.SLT2.Enabled() || g.form1.SLT3.Enabled());
    // Stop buttons, the stop count and the chase keep their state.
    EXPECT_TRUE(g.form1.Stop(1).enabled && g.form1.Stop(2).enabled && g.form1.Stop(3).enabled);
    EXPECT_TRUE(g.form1.LineLed.Enabled());
    EXPECT_EQ(g.stopC.StopCount, 0);
    // The game is judged once the player stops the reels.
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    EXPECT_EQ(m.Counter(g.form6.Win) + m.Counter(g.form6.Lost), 1);
}

TEST(Stop, AnyOrderJudgesOnceAtTheThirdStopAndTheLampsFollow) {
    Machine m;
    Game& g = m.game;
    BetAndStart(m);
    EXPECT_EQ(g.form1.LED(0), kDarkTeal);
    m.Advance(600);  // two chase steps: LED(0), then LED(2)
    EXPECT_EQ(g.lineLedC.ReelLampStep, 2);
    EXPECT_EQ(g.form1.LED(2), kCyan);

    Form1::Stop3_Click(g);  // the first stop ends the chase, darkens all, lights its own
    EXPECT_FALSE(g.form1.LineLed.Enabled());
    EXPECT_EQ(g.form1.LED(0), kDarkTeal);
    EXPECT_EQ(g.form1.LED(1), kDarkTeal);
    EXPECT_EQ(g.form1.LED(2), kCyan);
    EXPECT_FALSE(g.form1.Stop(3).enabled);
    EXPECT_EQ(g.form1.Stop(3).foreColor, kDarkNavy);
    EXPECT_EQ(g.form1.Stop(1).foreColor, kBlue);
    Form1::Stop3_Click(g);  // a disabled button takes no click
    EXPECT_EQ(g.stopC.StopCount, 1);

    Form1::Stop1_Click(g);
    EXPECT_EQ(g.form1.LED(0), kCyan);
    EXPECT_EQ(g.form1.LED(1), kDarkTeal);
    EXPECT_EQ(m.Counter(g.form6.Lost) + m.Counter(g.form6.Win), 0);
    Form1::Stop2_Click(g);
    EXPECT_EQ(m.Counter(g.form6.Lost) + m.Counter(g.form6.Win), 1);
    EXPECT_EQ(g.stopC.StopCount, 0);
    for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.form1.LED(lamp), kCyan);

    // The next game's chase goes on from step 2: its first step lights LED(1).
    m.clock.AdvanceUntil([&] { return g.form6.BetUp.enabled; }, 10000);
    BetAndStart(m);
    m.Advance(300);
    EXPECT_EQ(g.form1.LED(1), kCyan);
    EXPECT_EQ(g.form1.LED(0), kDarkTeal);
    EXPECT_EQ(g.form1.LED(2), kDarkTeal);
}

TEST(Stop, RestartInMidSpinKeepsTheStopsAlreadyCounted) {
    Machine m;
    Game& g = m.game;
    Form6::BetUp_Click(g);
    g.form1.ClickStep = 3;
    Form1::Form_Click(g);  // step 4 starts the game
    m.Advance(200);
    Form1::Form_Click(g);  // step 5 stops reel 1
    EXPECT_EQ(g.stopC.StopCount, 1);
    g.form1.ClickStep = 3;  // the cycle comes round to another start
    Form1::Form_Click(g);
    EXPECT_EQ(g.form6.Run, "2");
    EXPECT_TRUE(g.form1.SLT1.Enabled() && g.form1.Stop(1).enabled);
    EXPECT_EQ(g.stopC.StopCount, 1);
    m.Advance(200);
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);  // third stop counted: judged while reel 3 still spins
    EXPECT_EQ(m.Counter(g.form6.Win) + m.Counter(g.form6.Lost), 1);
    EXPECT_TRUE(g.form1.SLT3.Enabled());
    Form1::Stop3_Click(g);
    EXPECT_EQ(g.stopC.StopCount, 1);  // it counts towards the next game
}

TEST(Stop, AFourthCountedStopIsReported) {
    Machine m;
    Game& g = m.game;
    BetAndStart(m);
    g.stopC.StopCount = 3;
    Form1::Stop1_Click(g);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"停止数が異常です。"});
    EXPECT_EQ(g.stopC.StopCount, 4);  // not reset by the report
    EXPECT_FALSE(g.form1.SLT2.Enabled() || g.form1.SLT3.Enabled());
    // The caller's stop sound comes after the report.
    const auto sounds = m.Sounds();
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds[sounds.size() - 2], "Error");
    EXPECT_EQ(sounds.back(), "LineStop");
}

TEST(Start, FreezesTheBetArmsTheReelsAndTakesNoCoin) {
    Machine m;
    Game& g = m.game;
    Form6::BetUp_Click(g);
    m.fx.Clear();
    StartC::StartGame(g);
    EXPECT_EQ(g.form6.Coin, "99");
    EXPECT_EQ(g.form6.Bet, "1");
    EXPECT_EQ(g.form6.Run, "1");
    EXPECT_FALSE(g.form6.BetUp.enabled || g.form6.BetDown.enabled || g.form5.Start.enabled);
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_TRUE(g.form1.SLT(reel).Enabled());
        EXPECT_TRUE(g.form1.Stop(reel).enabled);
        EXPECT_EQ(g.form1.Stop(reel).foreColor, kBlue);
        EXPECT_EQ(g.form1.LED(reel - 1), kDarkTeal);
    }
    EXPECT_TRUE(g.form1.LineLed.Enabled());
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"LineRound"});
    // The bet buttons do nothing during the game.
    Form6::BetUp_Click(g);
    Form6::BetDown_Click(g);
    EXPECT_EQ(g.form6.Bet, "1");
    EXPECT_EQ(m.fx.beeps, 0);
}

TEST(ReelLamps, ChaseOrderAndErrors) {
    Machine m;
    Game& g = m.game;
    const int expectedLit[6] = {0, 2, 1, 0, 2, 1};
    for (int lit : expectedLit) {
        LineLEDC::StepReelLamps(g);
        for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.form1.LED(lamp), lamp == lit ? kCyan : kDarkTeal);
    }
    EXPECT_EQ(g.lineLedC.ReelLampStep, 0);

    LineLEDC::LightReelLamp(g, 3);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"LineLED点灯値が異常です。"});
    for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.form1.LED(lamp), kDarkTeal);
    LineLEDC::LightReelLamp(g, -1);  // lights nothing, reports nothing
    EXPECT_EQ(m.fx.messages, 1);

    // A step past 3 reports; the chase timer is not stopped by the report, and
    // its ticks while the box is open do not report again.
    BetAndStart(m);
    g.lineLedC.ReelLampStep = 3;
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(1000); };
    m.Advance(300);
    EXPECT_EQ(m.fx.messages, 2);
    EXPECT_EQ(m.fx.Messages().back(), "LineLED点滅値が異常です。");
    EXPECT_TRUE(g.form1.LineLed.Enabled());
    g.lineLedC.ReelLampStep = -5;  // negative: nothing changes
    m.fx.whileMessageOpen = nullptr;
    LineLEDC::StepReelLamps(g);
    EXPECT_EQ(g.lineLedC.ReelLampStep, -4);
    EXPECT_EQ(m.fx.messages, 2);
}

}  // namespace
}  // namespace kararion
