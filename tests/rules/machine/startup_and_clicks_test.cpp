// Start-up state, the main window's click cycle, and the sound table.
#include <gtest/gtest.h>

#include "bet/bet.h"
#include "core/tuning.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "sound/sounds.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::AllTimers;
using testing::Machine;
using tuning::kStartCoins;
using enum Symbol;
using Kind = RecordingEffects::Kind;

TEST(StartUp, AGameThatGoesMidSpinLeavesNoTickBehind) {
    // The clock outlives the game: its running timers must leave with it.
    RecordingEffects fx;
    VirtualClock clock;
    {
        Game g(fx, clock);
        g.StartProgram();
        g.ClickBetUp();
        g.ClickStart();
        ASSERT_TRUE(g.reels().ReelTimer(1).Enabled());
        clock.Advance(100);
    }
    EXPECT_EQ(clock.NextDueIn(), -1);
    clock.Advance(1000);  // would tick into freed memory
    EXPECT_TRUE(fx.Messages().empty());
}

TEST(StartUp, CountersFlagsTimersAndLampsAsLoaded) {
    Machine m;
    const Game& g = m.game;
    EXPECT_EQ(g.counters().Bet(), 0);
    EXPECT_EQ(g.counters().Run(), 0);
    EXPECT_EQ(g.counters().Lost(), 0);
    EXPECT_EQ(g.counters().Win(), 0);
    EXPECT_EQ(g.counters().Coin(), kStartCoins);
    EXPECT_EQ(g.counters().UsedCoin(), 0);
    EXPECT_EQ(g.counters().WinCoin(), 0);
    EXPECT_TRUE(g.betting().BetUp().enabled);
    EXPECT_TRUE(g.betting().BetDown().enabled);
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Start));
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_FALSE(g.reels().StopButton(reel).enabled);
        EXPECT_EQ(g.reels().StopButton(reel).foreColor, kDarkNavy);
        EXPECT_EQ(g.reelLamps().ReelLamp(reel - 1), kCyan);
        for (int end = 0; end <= 1; ++end) EXPECT_NE(g.betLamps().BetLamp(reel, end), kRed);
    }
    for (const GameTimer* t : AllTimers(m.game)) EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_EQ(m.clock.NextDueIn(), -1);  // nothing ticks while the machine waits
    EXPECT_EQ(g.judge().WinningLine(), 0);
    EXPECT_EQ(g.ClickStep(), 0);
    // The load pictures: reel 1 looks like 10, 9, 8 from the top, reel 3 like 5, 3, 1.
    EXPECT_EQ(LooksLike(g.reels().Cell(1, 1)), Symbol::Orange);
    EXPECT_EQ(LooksLike(g.reels().Cell(1, 3)), Symbol::Melon);
    EXPECT_EQ(LooksLike(g.reels().Cell(3, 2)), Symbol::Star);
    EXPECT_EQ(LooksLike(g.reels().Cell(2, 3)), LooksLike(g.reels().Cell(3, 3)));
    EXPECT_NE(g.reels().Cell(2, 3), g.reels().Cell(3, 3));  // same look, different pictures
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(ClickCycle, SevenClicksBetStartAndStopInOrderThenBetAgain) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) g.ClickBackground();
    EXPECT_EQ(g.counters().Bet(), 3);
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 3);
    EXPECT_TRUE(g.menu().Enabled(menu::Entry::Start));

    g.ClickBackground();  // 4: start
    EXPECT_EQ(g.counters().Run(), 1);
    EXPECT_TRUE(g.reels().ReelTimer(1).Enabled() && g.reels().ReelTimer(2).Enabled() &&
                g.reels().ReelTimer(3).Enabled());
    m.Advance(500);

    g.ClickBackground();  // 5: reel 1
    EXPECT_FALSE(g.reels().ReelTimer(1).Enabled());
    EXPECT_TRUE(g.reels().ReelTimer(2).Enabled());
    g.ClickBackground();  // 6: reel 2
    EXPECT_FALSE(g.reels().ReelTimer(2).Enabled());
    EXPECT_TRUE(g.reels().ReelTimer(3).Enabled());
    m.fx.Clear();
    g.ClickBackground();  // 7: reel 3, judged
    EXPECT_FALSE(g.reels().ReelTimer(3).Enabled());
    EXPECT_EQ(g.counters().Win() + g.counters().Lost(), 1);
    EXPECT_EQ(m.Sounds().back(), "LineStop");  // after the judgement

    // Let any payout finish; the eighth click bets again.
    m.clock.AdvanceUntil([&] { return !g.judge().CountUpTimer().Enabled() && !g.judge().WinSoundTimer().Enabled(); },
                         10000);
    const Count coins = g.counters().Coin();
    g.ClickBackground();
    EXPECT_EQ(g.ClickStep(), 1);
    EXPECT_EQ(g.counters().Bet(), 1);
    EXPECT_EQ(g.counters().Coin(), coins - 1);
}

TEST(ClickCycle, FourthClickWithoutBetStartsNothingAndStopsFindNoReel) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) g.ClickBetDown();  // stays at 0, three beeps
    machine::GameSetup(g).SetClickStep(3);
    m.fx.Clear();
    g.ClickBackground();  // 4 with bet 0
    EXPECT_EQ(g.ClickStep(), 4);
    EXPECT_EQ(g.counters().Run(), 0);
    for (int i = 0; i < 3; ++i) g.ClickBackground();  // 5..7: no reel spins
    EXPECT_EQ(g.ClickStep(), 7);
    EXPECT_TRUE(m.fx.events.empty());  // no sound, no beep
    g.ClickBackground();
    EXPECT_EQ(g.ClickStep(), 1);
    EXPECT_EQ(g.counters().Bet(), 1);
}

TEST(ClickCycle, GameStartedByClickButStoppedByButtonsLeavesTheCycleBehind) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 4; ++i) g.ClickBackground();  // bet 3, start
    m.Advance(300);
    g.ClickStop(1);
    g.ClickStop(2);
    g.ClickStop(3);
    m.clock.AdvanceUntil([&] { return g.betting().BetUp().enabled; }, 10000);
    const Count run = g.counters().Run();
    const Count bet = g.counters().Bet();
    m.fx.Clear();
    for (int i = 0; i < 3; ++i) g.ClickBackground();  // steps 5..7 find no reel
    EXPECT_EQ(g.counters().Run(), run);
    EXPECT_EQ(g.counters().Bet(), bet);
    EXPECT_TRUE(m.fx.events.empty());
    g.ClickBackground();  // step 1 bets again
    EXPECT_EQ(g.counters().Bet(), 1);
}

TEST(ClickCycle, AClickIntoACountUpPaysTheRestAtOnceThenTakesItsStep) {
    Machine m;
    Game& g = m.game;
    m.Play(1, {{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});  // 200 coins
    ASSERT_TRUE(g.judge().CountUpTimer().Enabled());
    m.Advance(50);  // some coins paid
    machine::GameSetup(g).SetClickStep(7);
    g.ClickBackground();  // step 1: the payout closes, then a bet for the next game
    EXPECT_FALSE(g.judge().CountUpTimer().Enabled());
    EXPECT_EQ(g.counters().WinCoin(), 200);
    EXPECT_EQ(g.counters().Bet(), 1);
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 2 + 200);  // less two stakes, and all 200 won
    EXPECT_EQ(g.betLamps().BetLamp(1, 0), kRed);
    EXPECT_TRUE(g.betting().BetUp().enabled);
    m.Advance(5000);  // no closing tick comes later to clear the new stake
    EXPECT_EQ(g.counters().Bet(), 1);

    // Four quick clicks into a 200-coin count-up, then an orange: 203 coins paid in all.
    Machine fast;
    Game& f = fast.game;
    fast.Play(1, {{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    fast.Advance(30);
    machine::GameSetup(f).SetClickStep(3);
    f.ClickBackground();  // step 4 closes the payout; no stake, no start
    EXPECT_EQ(f.counters().Run(), 1);
    for (int i = 0; i < 3; ++i) f.ClickBackground();  // steps 5..7: no reel to stop
    fast.Play(1, {{Orange, Orange, Orange}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    fast.Advance(1000);
    EXPECT_EQ(f.counters().WinCoin(), 203);
    EXPECT_EQ(f.counters().Coin() + f.counters().UsedCoin() - f.counters().WinCoin(), kStartCoins);

    // Into a replay's wait: the free game starts at once, all lamps lit.
    Machine replay;
    Game& r = replay.game;
    replay.Play(1, {{Replay, Replay, Replay}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});
    machine::GameSetup(r).SetClickStep(7);
    r.ClickBackground();
    EXPECT_TRUE(r.reels().AnyReelSpinning());
    EXPECT_EQ(r.counters().Run(), 2);
    for (int line = 1; line <= 3; ++line) EXPECT_EQ(r.betLamps().BetLamp(line, 0), kRed);
}

TEST(ClickCycle, AStartWhileAGameIsUnderWayDoesNothing) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 4; ++i) g.ClickBackground();  // three bets and the start
    ASSERT_TRUE(g.reels().AnyReelSpinning());
    ASSERT_EQ(g.counters().Run(), 1);
    machine::GameSetup(g).SetClickStep(3);
    g.ClickBackground();  // step 4 again, the reels spinning
    EXPECT_EQ(g.counters().Run(), 1);
    EXPECT_EQ(g.ClickStep(), 4);  // the cycle still moves on
    // A bet click offers スタート, but not while the game runs.
    machine::GameSetup(g).SetClickStep(0);
    g.ClickBackground();
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Start));
    g.ClickStart();
    EXPECT_EQ(g.counters().Run(), 1);
    m.StopAllReels();
    m.clock.AdvanceUntil([&] { return !GameUnderWay(g.phase()); }, 10000);
    EXPECT_EQ(g.counters().Run(), g.counters().Win() + g.counters().Lost());
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
    EXPECT_EQ(sound::SoundFile(m.game.programDir(), Sound::Error), "/games/kararion/data/se/error.wav");
}

}  // namespace
}  // namespace kararion
