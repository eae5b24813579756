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

TEST(ClickCycle, AClickIntoACountUpPaysTheRestAtOnceThenTakesItsStep) {
    Machine m;
    Game& g = m.game;
    m.Play(1, {{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});  // 200 coins
    ASSERT_TRUE(g.judge.coinUpTimer.Enabled());
    m.Advance(50);  // some coins paid
    g.clickStep = 7;
    machine::ClickBackground(g);  // step 1: the payout closes, then a bet for the next game
    EXPECT_FALSE(g.judge.coinUpTimer.Enabled());
    EXPECT_EQ(g.counters.WinCoin, "200");
    EXPECT_EQ(g.counters.Bet, "1");
    EXPECT_EQ(g.counters.Coin, "298");  // 100, less two stakes, and all 200 won
    EXPECT_EQ(g.betLamps.BetLamp(1, 0), kRed);
    EXPECT_TRUE(g.betting.BetUp.enabled);
    m.Advance(5000);  // no closing tick comes later to clear the new stake
    EXPECT_EQ(g.counters.Bet, "1");

    // Four quick clicks into a 200-coin count-up, then an orange: 203 coins paid in all.
    Machine fast;
    Game& f = fast.game;
    fast.Play(1, {{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    fast.Advance(30);
    f.clickStep = 3;
    machine::ClickBackground(f);  // step 4 closes the payout; no stake, no start
    EXPECT_EQ(f.counters.Run, "1");
    for (int i = 0; i < 3; ++i) machine::ClickBackground(f);  // steps 5..7: no reel to stop
    fast.Play(1, {{Orange, Orange, Orange}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    fast.Advance(1000);
    EXPECT_EQ(f.counters.WinCoin, "203");
    EXPECT_EQ(fast.Counter(f.counters.Coin) + fast.Counter(f.counters.UsedCoin) - fast.Counter(f.counters.WinCoin),
              100);

    // Into a replay's wait: the free game starts at once, all lamps lit.
    Machine replay;
    Game& r = replay.game;
    replay.Play(1, {{Replay, Replay, Replay}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    r.clickStep = 7;
    machine::ClickBackground(r);
    EXPECT_TRUE(r.reels.AnyReelSpinning());
    EXPECT_EQ(r.counters.Run, "2");
    for (int line = 1; line <= 3; ++line) EXPECT_EQ(r.betLamps.BetLamp(line, 0), kRed);
}

TEST(ClickCycle, AStartWhileAGameIsUnderWayDoesNothing) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 4; ++i) machine::ClickBackground(g);  // three bets and the start
    ASSERT_TRUE(g.reels.AnyReelSpinning());
    ASSERT_EQ(g.counters.Run, "1");
    g.clickStep = 3;
    machine::ClickBackground(g);  // step 4 again, the reels spinning
    EXPECT_EQ(g.counters.Run, "1");
    EXPECT_EQ(g.clickStep, 4);  // the cycle still moves on
    // A bet click offers スタート, but not while the game runs.
    g.clickStep = 0;
    machine::ClickBackground(g);
    EXPECT_FALSE(g.menu.Enabled(menu::Entry::Start));
    g.menu.ClickStart();
    EXPECT_EQ(g.counters.Run, "1");
    m.StopAllReels();
    m.clock.AdvanceUntil([&] { return !g.reels.GameUnderWay(); }, 10000);
    EXPECT_EQ(m.Counter(g.counters.Run), m.Counter(g.counters.Win) + m.Counter(g.counters.Lost));
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
