// Start-up state, the main window's click cycle, and the sound table.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "sound/sounds.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using enum Symbol;
using Kind = RecordingEffects::Kind;

TEST(StartUp, AGameThatGoesMidSpinLeavesNoTickBehind) {
    // The clock outlives the game: its running timers must leave with it.
    RecordingEffects fx;
    VirtualClock clock;
    {
        Game g(fx, clock);
        machine::StartProgram(g);
        g.betting.ClickBetUp();
        g.menu.ClickStart();
        ASSERT_TRUE(g.reels.reel1Timer.Enabled());
        clock.Advance(100);
    }
    EXPECT_EQ(clock.NextDueIn(), -1);
    clock.Advance(1000);  // would tick into freed memory
    EXPECT_TRUE(fx.Messages().empty());
}

TEST(StartUp, CountersFlagsTimersAndLampsAsLoaded) {
    Machine m;
    const Game& g = m.game;
    EXPECT_EQ(g.counters.Bet, "0");
    EXPECT_EQ(g.counters.Run, "0");
    EXPECT_EQ(g.counters.Lost, "0");
    EXPECT_EQ(g.counters.Win, "0");
    EXPECT_EQ(g.counters.Coin, "100");
    EXPECT_EQ(g.counters.UsedCoin, "0");
    EXPECT_EQ(g.counters.WinCoin, "0");
    EXPECT_TRUE(g.betting.BetUp.enabled);
    EXPECT_TRUE(g.betting.BetDown.enabled);
    EXPECT_FALSE(g.menu.Enabled(menu::Entry::Start));
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_FALSE(g.reels.StopButton(reel).enabled);
        EXPECT_EQ(g.reels.StopButton(reel).foreColor, kDarkNavy);
        EXPECT_EQ(g.reelLamps.ReelLamp(reel - 1), kCyan);
        for (int end = 0; end <= 1; ++end) EXPECT_NE(g.betLamps.BetLamp(reel, end), kRed);
    }
    for (const GameTimer* t : m.game.Timers()) EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_EQ(m.clock.NextDueIn(), -1);  // nothing ticks while the machine waits
    EXPECT_EQ(g.judge.winningLine, 0);
    EXPECT_EQ(g.clickStep, 0);
    // The load pictures: reel 1 looks like 10, 9, 8 from the top, reel 3 like 5, 3, 1.
    EXPECT_EQ(LooksLike(g.reels.Cell(1, 1)), Symbol::Orange);
    EXPECT_EQ(LooksLike(g.reels.Cell(1, 3)), Symbol::Melon);
    EXPECT_EQ(LooksLike(g.reels.Cell(3, 2)), Symbol::Star);
    EXPECT_EQ(LooksLike(g.reels.Cell(2, 3)), LooksLike(g.reels.Cell(3, 3)));
    EXPECT_NE(g.reels.Cell(2, 3), g.reels.Cell(3, 3));  // same look, different pictures
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(ClickCycle, SevenClicksBetStartAndStopInOrderThenBetAgain) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) machine::ClickBackground(g);
    EXPECT_EQ(g.counters.Bet, "3");
    EXPECT_EQ(g.counters.Coin, "97");
    EXPECT_TRUE(g.menu.Enabled(menu::Entry::Start));

    machine::ClickBackground(g);  // 4: start
    EXPECT_EQ(g.counters.Run, "1");
    EXPECT_TRUE(g.reels.reel1Timer.Enabled() && g.reels.reel2Timer.Enabled() && g.reels.reel3Timer.Enabled());
    m.Advance(500);

    machine::ClickBackground(g);  // 5: reel 1
    EXPECT_FALSE(g.reels.reel1Timer.Enabled());
    EXPECT_TRUE(g.reels.reel2Timer.Enabled());
    machine::ClickBackground(g);  // 6: reel 2
    EXPECT_FALSE(g.reels.reel2Timer.Enabled());
    EXPECT_TRUE(g.reels.reel3Timer.Enabled());
    m.fx.Clear();
    machine::ClickBackground(g);  // 7: reel 3, judged
    EXPECT_FALSE(g.reels.reel3Timer.Enabled());
    EXPECT_EQ(m.Counter(g.counters.Win) + m.Counter(g.counters.Lost), 1);
    EXPECT_EQ(m.Sounds().back(), "LineStop");  // after the judgement

    // Let any payout finish; the eighth click bets again.
    m.clock.AdvanceUntil([&] { return !g.judge.coinUpTimer.Enabled() && !g.judge.winSoundTimer.Enabled(); }, 10000);
    const double coins = m.Counter(g.counters.Coin);
    machine::ClickBackground(g);
    EXPECT_EQ(g.clickStep, 1);
    EXPECT_EQ(g.counters.Bet, "1");
    EXPECT_EQ(m.Counter(g.counters.Coin), coins - 1);
}

TEST(ClickCycle, FourthClickWithoutBetStartsNothingAndStopsFindNoReel) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) g.betting.ClickBetDown();  // stays at 0, three beeps
    g.clickStep = 3;
    m.fx.Clear();
    machine::ClickBackground(g);  // 4 with bet 0
    EXPECT_EQ(g.clickStep, 4);
    EXPECT_EQ(g.counters.Run, "0");
    for (int i = 0; i < 3; ++i) machine::ClickBackground(g);  // 5..7: no reel spins
    EXPECT_EQ(g.clickStep, 7);
    EXPECT_TRUE(m.fx.events.empty());  // no sound, no beep
    machine::ClickBackground(g);
    EXPECT_EQ(g.clickStep, 1);
    EXPECT_EQ(g.counters.Bet, "1");
}

TEST(ClickCycle, GameStartedByClickButStoppedByButtonsLeavesTheCycleBehind) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 4; ++i) machine::ClickBackground(g);  // bet 3, start
    m.Advance(300);
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    m.clock.AdvanceUntil([&] { return g.betting.BetUp.enabled; }, 10000);
    const std::string run = g.counters.Run;
    const std::string bet = g.counters.Bet;
    m.fx.Clear();
    for (int i = 0; i < 3; ++i) machine::ClickBackground(g);  // steps 5..7 find no reel
    EXPECT_EQ(g.counters.Run, run);
    EXPECT_EQ(g.counters.Bet, bet);
    EXPECT_TRUE(m.fx.events.empty());
    machine::ClickBackground(g);  // step 1 bets again
    EXPECT_EQ(g.counters.Bet, "1");
}

TEST(ClickCycle, BettingClicksRaiseTheBetEvenWhileAWinCountsUp) {
    Machine m;
    Game& g = m.game;
    g.betting.ClickBetUp();
    g.menu.ClickStart();
    m.ShowSymbols({{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});  // sevens on the top row
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    ASSERT_TRUE(g.judge.coinUpTimer.Enabled());
    m.Advance(50);  // some coins paid
    g.clickStep = 7;
    machine::ClickBackground(g);  // step 1: RaiseBet though the buttons are disabled
    EXPECT_EQ(g.counters.Bet, "2");
    EXPECT_EQ(g.betLamps.BetLamp(2, 0), kRed);
    // The closing tick clears the bet raised meanwhile and darkens its lamps.
    m.clock.AdvanceUntil([&] { return !g.judge.coinUpTimer.Enabled(); }, 5000);
    EXPECT_EQ(g.counters.Bet, "0");
    EXPECT_EQ(g.betLamps.BetLamp(2, 0), kBlack);
    EXPECT_EQ(m.Counter(g.counters.Coin) + m.Counter(g.counters.UsedCoin) - m.Counter(g.counters.WinCoin), 100);
}

TEST(Sounds, EachSoundIsItsFileBesideTheProgramAndEachCallCutsTheLastOff) {
    Machine m("/games/kararion");
    using sound::Sound;
    const std::pair<Sound, const char*> table[] = {
        {Sound::BetUp, "betup.wav"},     {Sound::BetDown, "betdown.wav"}, {Sound::Atari, "atari.wav"},
        {Sound::LineRound, "round.wav"}, {Sound::LineStop, "stop.wav"},   {Sound::Error, "error.wav"},
    };
    for (const auto& [sound, file] : table) {
        m.fx.Clear();
        sound::PlaySound(m.game, sound);
        const std::string path = std::string("/games/kararion/data/se/") + file;
        const std::vector<RecordingEffects::Event> expected{
            {Kind::SoundCloseAll, "", ""}, {Kind::SoundOpen, path, ""}, {Kind::SoundPlay, path, ""}};
        EXPECT_EQ(m.fx.events, expected) << file;
    }
    // The path never depends on the working directory.
    EXPECT_EQ(sound::SoundFile(m.game.programDir, Sound::Error), "/games/kararion/data/se/error.wav");
}

}  // namespace
}  // namespace kararion
