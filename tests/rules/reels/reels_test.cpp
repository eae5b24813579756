// Strips, spinning, stopping, starting again, and the reel lamps around them.
#include <gtest/gtest.h>

#include "bet/bet_buttons.h"
#include "lamps/reel_lamps.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "reels/spin.h"
#include "reels/start.h"
#include "reels/stop.h"
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
        const auto parts = SplitStrip(m.game.main.StripText(reel));
        ASSERT_EQ(parts.size(), 12u);
        EXPECT_EQ(parts[0], "0");
        EXPECT_EQ(parts[11], "");
        for (int p = 1; p <= 10; ++p) EXPECT_EQ(PictureOfElement(parts[p]), PictureOf(kStrip[reel - 1][p - 1]));
    }
    EXPECT_EQ(SplitStrip("a<><>b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(PictureOfElement("x"), 0);
    EXPECT_EQ(PictureOfElement(""), 0);
}

TEST(Spin, SymbolsTravelDownAndFollowTheStripAfterThreeSteps) {
    Machine m;
    Game& g = m.game;
    const Picture loadTop = g.main.Cell(1, 1), loadMiddle = g.main.Cell(1, 2);
    spin::SpinReel1(g);  // first step after start: position 1
    EXPECT_EQ(g.spin.ReelPos1, 1);
    EXPECT_EQ(g.main.Cell(1, 1), PictureOf(Bell));
    EXPECT_EQ(g.main.Cell(1, 2), loadTop);
    EXPECT_EQ(g.main.Cell(1, 3), loadMiddle);
    EXPECT_EQ(g.spin.ReelStrip1.size(), 12u);

    for (int reel = 2; reel <= 3; ++reel) {
        for (int step = 1; step <= 25; ++step) {
            if (reel == 2) {
                spin::SpinReel2(g);
            } else {
                spin::SpinReel3(g);
            }
            const int p = reel == 2 ? g.spin.ReelPos2 : g.spin.ReelPos3;
            EXPECT_EQ(p, (step - 1) % 10 + 1);
            EXPECT_EQ(g.main.Cell(reel, 1), StripAt(reel, p));
            if (step >= 3) {
                EXPECT_EQ(g.main.Cell(reel, 2), StripAt(reel, p - 1));
                EXPECT_EQ(g.main.Cell(reel, 3), StripAt(reel, p - 2));
            }
        }
    }
    // Reel 2 at position 1 shows 3, 7, 4; reel 3 at position 10 shows 3, 1, 5.
    g.spin.ReelPos2 = 8;
    for (int i = 0; i < 3; ++i) spin::SpinReel2(g);
    EXPECT_EQ(g.spin.ReelPos2, 1);
    EXPECT_EQ(g.main.Cell(2, 1), PictureOf(Star));
    EXPECT_EQ(g.main.Cell(2, 2), PictureOf(Bar));
    EXPECT_EQ(g.main.Cell(2, 3), PictureOf(Grapes));
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(Spin, ReelsStepAtTheirOwnRatesAndKeepTheirPlaceBetweenGames) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    m.Advance(1000);
    EXPECT_EQ(g.main.reel1Timer.TicksRun(), 20);
    EXPECT_EQ(g.main.reel2Timer.TicksRun(), 25);
    EXPECT_EQ(g.main.reel3Timer.TicksRun(), 16);
    EXPECT_EQ(g.spin.ReelPos1, 10);
    EXPECT_EQ(g.spin.ReelPos2, 5);
    EXPECT_EQ(g.spin.ReelPos3, 6);
    const std::array<Picture, 3> shown{g.main.Cell(1, 1), g.main.Cell(1, 2), g.main.Cell(1, 3)};
    machine::ClickStop(g, 1);
    m.Advance(1000);  // a stopped reel takes no further step
    EXPECT_EQ(g.spin.ReelPos1, 10);
    EXPECT_EQ((std::array<Picture, 3>{g.main.Cell(1, 1), g.main.Cell(1, 2), g.main.Cell(1, 3)}), shown);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    m.clock.AdvanceUntil([&] { return g.info.BetUp.enabled; }, 10000);
    m.BetAndStart();
    m.Advance(50);
    EXPECT_EQ(g.spin.ReelPos1, 1);  // from 10 on to 1, not from the start
}

TEST(Spin, AnImpossiblePositionIsReportedOnceAndHaltsEveryReel) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    g.spin.ReelPos2 = -1;  // the next step would reach 0
    // The box stays open for 200 ms; reel 2's ticks meanwhile must not report again.
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(200); };
    m.Advance(40);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"画像値2が異常です"});
    EXPECT_EQ(m.Sounds().back(), "Error");
    EXPECT_FALSE(g.main.AnyReelSpinning());
    // Stop buttons, the stop count and the chase keep their state.
    EXPECT_TRUE(g.main.StopButton(1).enabled && g.main.StopButton(2).enabled && g.main.StopButton(3).enabled);
    EXPECT_TRUE(g.main.reelLampTimer.Enabled());
    EXPECT_EQ(g.stop.StopCount, 0);
    // The game is judged once the player stops the reels.
    m.StopAllReels();
    EXPECT_EQ(m.Counter(g.info.Win) + m.Counter(g.info.Lost), 1);
}

TEST(Stop, AnyOrderJudgesOnceAtTheThirdStopAndTheLampsFollow) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    EXPECT_EQ(g.main.ReelLamp(0), kDarkTeal);
    m.Advance(std::int64_t{2} * g.main.reelLampTimer.Interval());  // two chase steps: lamp 0, then lamp 2
    EXPECT_EQ(g.reelLamps.ReelLampStep, 2);
    EXPECT_EQ(g.main.ReelLamp(2), kCyan);

    machine::ClickStop(g, 3);  // the first stop ends the chase, darkens all, lights its own
    EXPECT_FALSE(g.main.reelLampTimer.Enabled());
    EXPECT_EQ(g.main.ReelLamp(0), kDarkTeal);
    EXPECT_EQ(g.main.ReelLamp(1), kDarkTeal);
    EXPECT_EQ(g.main.ReelLamp(2), kCyan);
    EXPECT_FALSE(g.main.StopButton(3).enabled);
    EXPECT_EQ(g.main.StopButton(3).foreColor, kDarkNavy);
    EXPECT_EQ(g.main.StopButton(1).foreColor, kBlue);
    machine::ClickStop(g, 3);  // a disabled button takes no click
    EXPECT_EQ(g.stop.StopCount, 1);

    machine::ClickStop(g, 1);
    EXPECT_EQ(g.main.ReelLamp(0), kCyan);
    EXPECT_EQ(g.main.ReelLamp(1), kDarkTeal);
    EXPECT_EQ(m.Counter(g.info.Lost) + m.Counter(g.info.Win), 0);
    machine::ClickStop(g, 2);
    EXPECT_EQ(m.Counter(g.info.Lost) + m.Counter(g.info.Win), 1);
    EXPECT_EQ(g.stop.StopCount, 0);
    for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.main.ReelLamp(lamp), kCyan);

    // The next game's chase goes on from step 2: its first step lights lamp 1.
    m.clock.AdvanceUntil([&] { return g.info.BetUp.enabled; }, 10000);
    m.BetAndStart();
    m.Advance(g.main.reelLampTimer.Interval());
    EXPECT_EQ(g.main.ReelLamp(1), kCyan);
    EXPECT_EQ(g.main.ReelLamp(0), kDarkTeal);
    EXPECT_EQ(g.main.ReelLamp(2), kDarkTeal);
}

TEST(Stop, RestartInMidSpinKeepsTheStopsAlreadyCounted) {
    Machine m;
    Game& g = m.game;
    info::ClickBetUp(g);
    g.main.clickStep = 3;
    machine::ClickBackground(g);  // step 4 starts the game
    m.Advance(200);
    machine::ClickBackground(g);  // step 5 stops reel 1
    EXPECT_EQ(g.stop.StopCount, 1);
    g.main.clickStep = 3;  // the cycle comes round to another start
    machine::ClickBackground(g);
    EXPECT_EQ(g.info.Run, "2");
    EXPECT_TRUE(g.main.reel1Timer.Enabled() && g.main.StopButton(1).enabled);
    EXPECT_EQ(g.stop.StopCount, 1);
    m.Advance(200);
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);  // third stop counted: judged while reel 3 still spins
    EXPECT_EQ(m.Counter(g.info.Win) + m.Counter(g.info.Lost), 1);
    EXPECT_TRUE(g.main.reel3Timer.Enabled());
    machine::ClickStop(g, 3);
    EXPECT_EQ(g.stop.StopCount, 1);  // it counts towards the next game
}

TEST(Stop, AFourthCountedStopIsReported) {
    Machine m;
    Game& g = m.game;
    m.BetAndStart();
    g.stop.StopCount = 3;
    machine::ClickStop(g, 1);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"停止数が異常です。"});
    EXPECT_EQ(g.stop.StopCount, 4);  // not reset by the report
    EXPECT_FALSE(g.main.reel2Timer.Enabled() || g.main.reel3Timer.Enabled());
    // The caller's stop sound comes after the report.
    const auto sounds = m.Sounds();
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds[sounds.size() - 2], "Error");
    EXPECT_EQ(sounds.back(), "LineStop");
}

TEST(Start, FreezesTheBetArmsTheReelsAndTakesNoCoin) {
    Machine m;
    Game& g = m.game;
    info::ClickBetUp(g);
    m.fx.Clear();
    start::StartGame(g);
    EXPECT_EQ(g.info.Coin, "99");
    EXPECT_EQ(g.info.Bet, "1");
    EXPECT_EQ(g.info.Run, "1");
    EXPECT_FALSE(g.info.BetUp.enabled || g.info.BetDown.enabled || g.menu.Start.enabled);
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_TRUE(g.main.ReelTimer(reel).Enabled());
        EXPECT_TRUE(g.main.StopButton(reel).enabled);
        EXPECT_EQ(g.main.StopButton(reel).foreColor, kBlue);
        EXPECT_EQ(g.main.ReelLamp(reel - 1), kDarkTeal);
    }
    EXPECT_TRUE(g.main.reelLampTimer.Enabled());
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"LineRound"});
    // The bet buttons do nothing during the game.
    info::ClickBetUp(g);
    info::ClickBetDown(g);
    EXPECT_EQ(g.info.Bet, "1");
    EXPECT_EQ(m.fx.beeps, 0);
}

TEST(ReelLamps, ChaseOrderAndErrors) {
    Machine m;
    Game& g = m.game;
    const int expectedLit[6] = {0, 2, 1, 0, 2, 1};
    for (int lit : expectedLit) {
        reel_lamps::StepReelLamps(g);
        for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.main.ReelLamp(lamp), lamp == lit ? kCyan : kDarkTeal);
    }
    EXPECT_EQ(g.reelLamps.ReelLampStep, 0);

    reel_lamps::LightReelLamp(g, 3);
    EXPECT_EQ(m.fx.Messages(), std::vector<std::string>{"LineLED点灯値が異常です。"});
    for (int lamp = 0; lamp < 3; ++lamp) EXPECT_EQ(g.main.ReelLamp(lamp), kDarkTeal);
    reel_lamps::LightReelLamp(g, -1);  // lights nothing, reports nothing
    EXPECT_EQ(m.fx.messages, 1);

    // A step past 3 reports; the chase timer is not stopped by the report, and
    // its ticks while the box is open do not report again.
    m.BetAndStart();
    g.reelLamps.ReelLampStep = 3;
    m.fx.whileMessageOpen = [&](const std::string&) { m.Advance(1000); };
    m.Advance(g.main.reelLampTimer.Interval());
    EXPECT_EQ(m.fx.messages, 2);
    EXPECT_EQ(m.fx.Messages().back(), "LineLED点滅値が異常です。");
    EXPECT_TRUE(g.main.reelLampTimer.Enabled());
    g.reelLamps.ReelLampStep = -5;  // negative: nothing changes
    m.fx.whileMessageOpen = nullptr;
    reel_lamps::StepReelLamps(g);
    EXPECT_EQ(g.reelLamps.ReelLampStep, -4);
    EXPECT_EQ(m.fx.messages, 2);
}

}  // namespace
}  // namespace kararion
