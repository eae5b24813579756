// Strips, spinning, stopping, starting again, and the reel lamps around them.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "core/tuning.h"
#include "lamps/reel_lamps.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "reels/reels.h"
#include "reels/strips.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;

using enum Symbol;

constexpr Symbol kStrip[3][10] = {
    {Bell, Seven, Star, Grapes, Peach, Watermelon, Bar, Melon, Replay, Orange},
    {Star, Watermelon, Replay, Seven, Peach, Melon, Orange, Bell, Grapes, Bar},
    {Grapes, Melon, Orange, Seven, Watermelon, Replay, Bar, Peach, Bell, Star},
};

Picture StripAt(int reel, int position) { return PictureOf(kStrip[reel - 1][(position + 9) % 10]); }

TEST(Strips, SplitIntoTwelveWithTheSymbolsAtOneToTen) {
    Machine m;
    for (int reel = 1; reel <= 3; ++reel) {
        const auto parts = reels::SplitStrip(m.game.reels().StripText(reel));
        ASSERT_EQ(parts.size(), 12u);
        EXPECT_EQ(parts[0], "0");
        EXPECT_EQ(parts[11], "");
        for (int p = 1; p <= 10; ++p) EXPECT_EQ(reels::PictureOfElement(parts[p]), PictureOf(kStrip[reel - 1][p - 1]));
    }
    EXPECT_EQ(reels::SplitStrip("a<><>b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(reels::PictureOfElement("x"), 0);
    EXPECT_EQ(reels::PictureOfElement(""), 0);
}

TEST(Spin, SymbolsTravelDownAndFollowTheStripAfterThreeSteps) {
    Machine m;
    Game& g = m.game;
    const Picture loadTop = g.reels().Cell(1, 1), loadMiddle = g.reels().Cell(1, 2);
    m.Setup().SpinReel(1);  // first step after start: position 1
    EXPECT_EQ(g.reels().ReelPosition(1), 1);
    EXPECT_EQ(g.reels().Cell(1, 1), PictureOf(Bell));
    EXPECT_EQ(g.reels().Cell(1, 2), loadTop);
    EXPECT_EQ(g.reels().Cell(1, 3), loadMiddle);

    for (int reel = 2; reel <= 3; ++reel) {
        for (int step = 1; step <= 25; ++step) {
            if (reel == 2) {
                m.Setup().SpinReel(2);
            } else {
                m.Setup().SpinReel(3);
            }
            const int p = reel == 2 ? g.reels().ReelPosition(2) : g.reels().ReelPosition(3);
            EXPECT_EQ(p, (step - 1) % 10 + 1);
            EXPECT_EQ(g.reels().Cell(reel, 1), StripAt(reel, p));
            if (step >= 3) {
                EXPECT_EQ(g.reels().Cell(reel, 2), StripAt(reel, p - 1));
                EXPECT_EQ(g.reels().Cell(reel, 3), StripAt(reel, p - 2));
            }
        }
    }
    // Reel 2 at position 1 shows 3, 7, 4; reel 3 at position 10 shows 3, 1, 5.
    m.Setup().SetReelPosition(2, 8);
    for (int i = 0; i < 3; ++i) m.Setup().SpinReel(2);
    EXPECT_EQ(g.reels().ReelPosition(2), 1);
    EXPECT_EQ(g.reels().Cell(2, 1), PictureOf(Star));
    EXPECT_EQ(g.reels().Cell(2, 2), PictureOf(Bar));
    EXPECT_EQ(g.reels().Cell(2, 3), PictureOf(Grapes));
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(Spin, ReelsStepAtTheirOwnRatesAndKeepTheirPlaceBetweenGames) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    m.Advance(1000);
    EXPECT_EQ(g.reels().ReelTimer(1).TicksRun(), 20);
    EXPECT_EQ(g.reels().ReelTimer(2).TicksRun(), 25);
    EXPECT_EQ(g.reels().ReelTimer(3).TicksRun(), 16);
    EXPECT_EQ(g.reels().ReelPosition(1), 10);
    EXPECT_EQ(g.reels().ReelPosition(2), 5);
    EXPECT_EQ(g.reels().ReelPosition(3), 6);
    const std::array<Picture, 3> shown{g.reels().Cell(1, 1), g.reels().Cell(1, 2), g.reels().Cell(1, 3)};
    g.ClickStop(1);
    m.Advance(1000);  // a stopped reel takes no further step
    EXPECT_EQ(g.reels().ReelPosition(1), 10);
    EXPECT_EQ((std::array<Picture, 3>{g.reels().Cell(1, 1), g.reels().Cell(1, 2), g.reels().Cell(1, 3)}), shown);
    g.ClickStop(2);
    g.ClickStop(3);
    m.clock.AdvanceUntil([&] { return g.betting().BetUp().enabled; }, 10000);
    m.BetAndStart();
    m.Advance(50);
    EXPECT_EQ(g.reels().ReelPosition(1), 1);  // from 10 on to 1, not from the start
}

TEST(Spin, AnImpossiblePositionIsReportedOnceAndHaltsEveryReel) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    m.Setup().SetReelPosition(2, -1);  // the next step would reach 0
    // The box stays open for 200 ms; reel 2's ticks meanwhile must not report again.
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(200); };
    m.Advance(40);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"画像値2が異常です"});
    EXPECT_EQ(m.Sounds().back(), "Error");
    EXPECT_FALSE(g.reels().AnyReelSpinning());
    // Stop buttons, the stop count and the chase keep their state.
    EXPECT_TRUE(g.reels().StopButton(1).enabled && g.reels().StopButton(2).enabled && g.reels().StopButton(3).enabled);
    EXPECT_TRUE(g.reelLamps().ChaseTimer().Enabled());
    EXPECT_EQ(g.reels().StopCount(), 0);
    // The game is judged once the player stops the reels.
    m.StopAllReels();
    EXPECT_EQ(g.counters().Win() + g.counters().Lost(), 1);
}

TEST(Stop, AnyOrderJudgesOnceAtTheThirdStopAndTheLampsFollow) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    EXPECT_EQ(g.reelLamps().ReelLamp(0), kDarkTeal);
    // The chase steps every 300 ms: lamp 0, then lamp 2.
    m.Advance(299);
    EXPECT_EQ(g.reelLamps().ReelLampStep(), 0);
    m.Advance(1);
    EXPECT_EQ(g.reelLamps().ReelLamp(0), kCyan);
    m.Advance(299);
    EXPECT_EQ(g.reelLamps().ReelLampStep(), 1);
    m.Advance(1);
    EXPECT_EQ(g.reelLamps().ReelLampStep(), 2);
    EXPECT_EQ(g.reelLamps().ReelLamp(2), kCyan);

    g.ClickStop(3);  // the first stop ends the chase, darkens all, lights its own
    EXPECT_FALSE(g.reelLamps().ChaseTimer().Enabled());
    EXPECT_EQ(g.reelLamps().ReelLamp(0), kDarkTeal);
    EXPECT_EQ(g.reelLamps().ReelLamp(1), kDarkTeal);
    EXPECT_EQ(g.reelLamps().ReelLamp(2), kCyan);
    EXPECT_FALSE(g.reels().StopButton(3).enabled);
    EXPECT_EQ(g.reels().StopButton(3).foreColor, kDarkNavy);
    EXPECT_EQ(g.reels().StopButton(1).foreColor, kBlue);
    g.ClickStop(3);  // a disabled button takes no click
    EXPECT_EQ(g.reels().StopCount(), 1);

    g.ClickStop(1);
    EXPECT_EQ(g.reelLamps().ReelLamp(0), kCyan);
    EXPECT_EQ(g.reelLamps().ReelLamp(1), kDarkTeal);
    EXPECT_EQ(g.counters().Lost() + g.counters().Win(), 0);
    g.ClickStop(2);
    EXPECT_EQ(g.counters().Lost() + g.counters().Win(), 1);
    EXPECT_EQ(g.reels().StopCount(), 0);
    for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.reelLamps().ReelLamp(lamp), kCyan);

    // The next game's chase goes on from step 2: its first step lights lamp 1.
    m.clock.AdvanceUntil([&] { return g.betting().BetUp().enabled; }, 10000);
    m.BetAndStart();
    m.Advance(g.reelLamps().ChaseTimer().Interval());
    EXPECT_EQ(g.reelLamps().ReelLamp(1), kCyan);
    EXPECT_EQ(g.reelLamps().ReelLamp(0), kDarkTeal);
    EXPECT_EQ(g.reelLamps().ReelLamp(2), kDarkTeal);
}

TEST(Stop, AStartInMidSpinIsRefusedAndTheStopsStayWithTheirGame) {
    Machine m;
    Game& g = m.game;
    g.ClickBetUp();
    machine::GameSetup(g).SetClickStep(3);
    g.ClickBackground();  // step 4 starts the game
    m.Advance(200);
    g.ClickBackground();  // step 5 stops reel 1
    EXPECT_EQ(g.reels().StopCount(), 1);
    machine::GameSetup(g).SetClickStep(3);  // the cycle comes round to another start
    g.ClickBackground();
    EXPECT_EQ(g.counters().Run(), 1);
    EXPECT_FALSE(g.reels().ReelTimer(1).Enabled() || g.reels().StopButton(1).enabled);
    EXPECT_EQ(g.reels().StopCount(), 1);
    m.Advance(200);
    g.ClickStop(2);
    g.ClickStop(3);  // the third stop of this one game judges it
    EXPECT_EQ(g.counters().Win() + g.counters().Lost(), 1);
    EXPECT_EQ(g.reels().StopCount(), 0);
    EXPECT_FALSE(g.reels().AnyReelSpinning());
}

TEST(Stop, AFourthCountedStopIsReported) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    m.Setup().SetStopCount(3);
    g.ClickStop(1);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"停止数が異常です。"});
    EXPECT_EQ(g.reels().StopCount(), 4);  // not reset by the report
    EXPECT_FALSE(g.reels().ReelTimer(2).Enabled() || g.reels().ReelTimer(3).Enabled());
    // The caller's stop sound comes after the report.
    const auto sounds = m.Sounds();
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds[sounds.size() - 2], "Error");
    EXPECT_EQ(sounds.back(), "LineStop");
}

TEST(Start, FreezesTheBetArmsTheReelsAndTakesNoCoin) {
    Machine m;
    Game& g = m.game;
    g.ClickBetUp();
    m.fx.Clear();
    g.ClickStart();
    EXPECT_EQ(g.counters().Coin(), tuning::kStartCoins - 1);
    EXPECT_EQ(g.counters().Bet(), 1);
    EXPECT_EQ(g.counters().Run(), 1);
    EXPECT_FALSE(g.betting().BetUp().enabled || g.betting().BetDown().enabled || g.menu().Enabled(menu::Entry::Start));
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_TRUE(g.reels().ReelTimer(reel).Enabled());
        EXPECT_TRUE(g.reels().StopButton(reel).enabled);
        EXPECT_EQ(g.reels().StopButton(reel).foreColor, kBlue);
        EXPECT_EQ(g.reelLamps().ReelLamp(reel - 1), kDarkTeal);
    }
    EXPECT_TRUE(g.reelLamps().ChaseTimer().Enabled());
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"LineRound"});
    // The bet buttons do nothing during the game.
    g.ClickBetUp();
    g.ClickBetDown();
    EXPECT_EQ(g.counters().Bet(), 1);
    EXPECT_EQ(m.fx.beeps, 0);
}

TEST(ReelLamps, ChaseOrderAndErrors) {
    Machine m;
    Game& g = m.game;
    const int expectedLit[6] = {0, 2, 1, 0, 2, 1};
    for (int lit : expectedLit) {
        m.Setup().StepReelLamps();
        for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.reelLamps().ReelLamp(lamp), lamp == lit ? kCyan : kDarkTeal);
    }
    EXPECT_EQ(g.reelLamps().ReelLampStep(), 0);

    m.Setup().LightReelLamp(3);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"LineLED点灯値が異常です。"});
    for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.reelLamps().ReelLamp(lamp), kDarkTeal);
    m.Setup().LightReelLamp(-1);  // lights nothing, reports nothing
    EXPECT_EQ(m.fx.messages, 1);

    // A step past 3 reports; the chase timer is not stopped by the report, and
    // its ticks while the box is open do not report again.
    m.BetAndStart();
    m.Setup().SetReelLampStep(3);
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(1000); };
    m.Advance(g.reelLamps().ChaseTimer().Interval());
    EXPECT_EQ(m.fx.messages, 2);
    EXPECT_EQ(m.fx.Messages().back(), "LineLED点滅値が異常です。");
    EXPECT_TRUE(g.reelLamps().ChaseTimer().Enabled());
    m.Setup().SetReelLampStep(-5);  // negative: nothing changes
    m.fx.whileMessageOpen = nullptr;
    m.Setup().StepReelLamps();
    EXPECT_EQ(g.reelLamps().ReelLampStep(), -4);
    EXPECT_EQ(m.fx.messages, 2);
}

}  // namespace
}  // namespace kararion
