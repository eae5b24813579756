// Start-up state, the main window's click cycle, and the sound table.
#include <gtest/gtest.h>

#include "bet/bet_buttons.h"
#include "menu/menu_entries.h"
#include "sound/sounds.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using Kind = RecordingEffects::Kind;

TEST(StartUp, AGameThatGoesMidSpinLeavesNoTickBehind) {
    // The clock outlives the game: its running timers must leave with it.
    RecordingEffects fx;
    VirtualClock clock;
    {
        Game g(fx, clock);
        Form1::Form_Load(g);
        Form6::BetUp_Click(g);
        Form5::Start_Click(g);
        ASSERT_TRUE(g.form1.SLT1.Enabled());
        clock.Advance(100);
    }
    EXPECT_EQ(clock.NextDueIn(), -1);
    clock.Advance(1000);  // would tick into freed memory
    EXPECT_TRUE(fx.Messages().empty());
}

TEST(StartUp, CountersFlagsTimersAndLampsAsLoaded) {
    Machine m;
    const Game& g = m.game;
    EXPECT_EQ(g.form6.Bet, "0");
    EXPECT_EQ(g.form6.Run, "0");
    EXPECT_EQ(g.form6.Lost, "0");
    EXPECT_EQ(g.form6.Win, "0");
    EXPECT_EQ(g.form6.Coin, "100");
    EXPECT_EQ(g.form6.UsedCoin, "0");
    EXPECT_EQ(g.form6.WinCoin, "0");
    EXPECT_TRUE(g.form6.BetUp.enabled);
    EXPECT_TRUE(g.form6.BetDown.enabled);
    EXPECT_FALSE(g.form5.Start.enabled);
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_FALSE(g.form1.Stop(reel).enabled);
        EXPECT_EQ(g.form1.Stop(reel).foreColor, kDarkNavy);
        EXPECT_EQ(g.form1.LED(reel - 1), kCyan);
        for (int end = 0; end <= 1; ++end) EXPECT_NE(g.form1.Line(reel, end), kRed);
    }
    for (const GameTimer* t : m.game.Timers()) EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_EQ(m.clock.NextDueIn(), -1);  // nothing ticks while the machine waits
    EXPECT_EQ(g.form1.Num, 0);
    EXPECT_EQ(g.form1.ClickStep, 0);
    // The load pictures: reel 1 looks like 10, 9, 8 from the top, reel 3 like 5, 3, 1.
    EXPECT_EQ(LooksLike(g.form1.Slot(1, 1)), 10);
    EXPECT_EQ(LooksLike(g.form1.Slot(1, 3)), 8);
    EXPECT_EQ(LooksLike(g.form1.Slot(3, 2)), 3);
    EXPECT_EQ(LooksLike(g.form1.Slot(2, 3)), LooksLike(g.form1.Slot(3, 3)));
    EXPECT_NE(g.form1.Slot(2, 3), g.form1.Slot(3, 3));  // same look, different pictures
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(ClickCycle, SevenClicksBetStartAndStopInOrderThenBetAgain) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) Form1::Form_Click(g);
    EXPECT_EQ(g.form6.Bet, "3");
    EXPECT_EQ(g.form6.Coin, "97");
    EXPECT_TRUE(g.form5.Start.enabled);

    Form1::Form_Click(g);  // 4: start
    EXPECT_EQ(g.form6.Run, "1");
    EXPECT_TRUE(g.form1.SLT1.Enabled() && g.form1.SLT2.Enabled() && g.form1.SLT3.Enabled());
    m.Advance(500);

    Form1::Form_Click(g);  // 5: reel 1
    EXPECT_FALSE(g.form1.SLT1.Enabled());
    EXPECT_TRUE(g.form1.SLT2.Enabled());
    Form1::Form_Click(g);  // 6: reel 2
    EXPECT_FALSE(g.form1.SLT2.Enabled());
    EXPECT_TRUE(g.form1.SLT3.Enabled());
    m.fx.Clear();
    Form1::Form_Click(g);  // 7: reel 3, judged
    EXPECT_FALSE(g.form1.SLT3.Enabled());
    EXPECT_EQ(m.Counter(g.form6.Win) + m.Counter(g.form6.Lost), 1);
    EXPECT_EQ(m.Sounds().back(), "LineStop");  // after the judgement

    // Let any payout finish; the eighth click bets again.
    m.clock.AdvanceUntil([&] { return !g.form1.CoinUp.Enabled() && !g.form1.AtariSe.Enabled(); }, 10000);
    const double coins = m.Counter(g.form6.Coin);
    Form1::Form_Click(g);
    EXPECT_EQ(g.form1.ClickStep, 1);
    EXPECT_EQ(g.form6.Bet, "1");
    EXPECT_EQ(m.Counter(g.form6.Coin), coins - 1);
}

TEST(ClickCycle, FourthClickWithoutBetStartsNothingAndStopsFindNoReel) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) Form6::BetDown_Click(g);  // stays at 0, three beeps
    g.form1.ClickStep = 3;
    m.fx.Clear();
    Form1::Form_Click(g);  // 4 with bet 0
    EXPECT_EQ(g.form1.ClickStep, 4);
    EXPECT_EQ(g.form6.Run, "0");
    for (int i = 0; i < 3; ++i) Form1::Form_Click(g);  // 5..7: no reel spins
    EXPECT_EQ(g.form1.ClickStep, 7);
    EXPECT_TRUE(m.fx.events.empty());  // no sound, no beep
    Form1::Form_Click(g);
    EXPECT_EQ(g.form1.ClickStep, 1);
    EXPECT_EQ(g.form6.Bet, "1");
}

TEST(ClickCycle, GameStartedByClickButStoppedByButtonsLeavesTheCycleBehind) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 4; ++i) Form1::Form_Click(g);  // bet 3, start
    m.Advance(300);
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    m.clock.AdvanceUntil([&] { return g.form6.BetUp.enabled; }, 10000);
    const std::string run = g.form6.Run;
    const std::string bet = g.form6.Bet;
    m.fx.Clear();
    for (int i = 0; i < 3; ++i) Form1::Form_Click(g);  // steps 5..7 find no reel
    EXPECT_EQ(g.form6.Run, run);
    EXPECT_EQ(g.form6.Bet, bet);
    EXPECT_TRUE(m.fx.events.empty());
    Form1::Form_Click(g);  // step 1 bets again
    EXPECT_EQ(g.form6.Bet, "1");
}

TEST(ClickCycle, BettingClicksRaiseTheBetEvenWhileAWinCountsUp) {
    Machine m;
    Game& g = m.game;
    Form6::BetUp_Click(g);
    Form5::Start_Click(g);
    m.ShowSymbols({{2, 2, 2}, {1, 3, 4}, {5, 6, 8}});  // sevens on the top row
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    ASSERT_TRUE(g.form1.CoinUp.Enabled());
    m.Advance(50);  // some coins paid
    g.form1.ClickStep = 7;
    Form1::Form_Click(g);  // step 1: RaiseBet though the buttons are disabled
    EXPECT_EQ(g.form6.Bet, "2");
    EXPECT_EQ(g.form1.Line(2, 0), kRed);
    // The closing tick clears the bet raised meanwhile and darkens its lamps.
    m.clock.AdvanceUntil([&] { return !g.form1.CoinUp.Enabled(); }, 5000);
    EXPECT_EQ(g.form6.Bet, "0");
    EXPECT_EQ(g.form1.Line(2, 0), kBlack);
    EXPECT_EQ(m.Counter(g.form6.Coin) + m.Counter(g.form6.UsedCoin) - m.Counter(g.form6.WinCoin), 100);
}

TEST(Sounds, NamesMapToFilesBesideTheProgramAndEachCallCutsTheLastOff) {
    Machine m("/games/kararion");
    const std::pair<const char*, const char*> table[] = {
        {"BetUp", "betup.wav"},     {"BetDown", "betdown.wav"}, {"Atari", "atari.wav"},
        {"LineRound", "round.wav"}, {"LineStop", "stop.wav"},   {"Error", "error.wav"},
    };
    for (const auto& [name, file] : table) {
        m.fx.Clear();
        Se::PlaySound(m.game, name);
        const std::string path = std::string("/games/kararion/data/se/") + file;
        const std::vector<RecordingEffects::Event> expected{
            {Kind::SoundCloseAll, "", ""}, {Kind::SoundOpen, path, ""}, {Kind::SoundPlay, path, ""}};
        EXPECT_EQ(m.fx.events, expected) << name;
    }
    // Unknown names and other letter cases stop the sound and play nothing.
    for (const char* name : {"betup", "ATARI", "Beep", "", "LineStop "}) {
        m.fx.Clear();
        Se::PlaySound(m.game, "Atari");
        Se::PlaySound(m.game, name);
        ASSERT_EQ(m.fx.events.size(), 6u);
        EXPECT_EQ(m.fx.events[3].kind, Kind::SoundCloseAll) << name;
        EXPECT_EQ(m.fx.events[4].text, "") << name;
        EXPECT_EQ(m.fx.events[5].text, "") << name;
        EXPECT_EQ(m.fx.lastOpened, "") << name;
    }
    // The path never depends on the working directory.
    EXPECT_EQ(Se::SoundFile(m.game, "Error"), "/games/kararion/data/se/error.wav");
}

}  // namespace
}  // namespace kararion
