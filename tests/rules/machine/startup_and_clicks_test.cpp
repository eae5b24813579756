// Start-up state, the main window's click cycle, and the sound table.
#include <gtest/gtest.h>

#include "bet/bet_buttons.h"
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
        machine::Load(g);
        info::ClickBetUp(g);
        menu::ClickStart(g);
        ASSERT_TRUE(g.main.reel1Timer.Enabled());
        clock.Advance(100);
    }
    EXPECT_EQ(clock.NextDueIn(), -1);
    clock.Advance(1000);  // would tick into freed memory
    EXPECT_TRUE(fx.Messages().empty());
}

TEST(StartUp, CountersFlagsTimersAndLampsAsLoaded) {
    Machine m;
    const Game& g = m.game;
    EXPECT_EQ(g.info.Bet, "0");
    EXPECT_EQ(g.info.Run, "0");
    EXPECT_EQ(g.info.Lost, "0");
    EXPECT_EQ(g.info.Win, "0");
    EXPECT_EQ(g.info.Coin, "100");
    EXPECT_EQ(g.info.UsedCoin, "0");
    EXPECT_EQ(g.info.WinCoin, "0");
    EXPECT_TRUE(g.info.BetUp.enabled);
    EXPECT_TRUE(g.info.BetDown.enabled);
    EXPECT_FALSE(g.menu.Start.enabled);
    for (int reel = 1; reel <= 3; ++reel) {
        EXPECT_FALSE(g.main.StopButton(reel).enabled);
        EXPECT_EQ(g.main.StopButton(reel).foreColor, kDarkNavy);
        EXPECT_EQ(g.main.ReelLamp(reel - 1), kCyan);
        for (int end = 0; end <= 1; ++end) EXPECT_NE(g.main.BetLamp(reel, end), kRed);
    }
    for (const GameTimer* t : m.game.Timers()) EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_EQ(m.clock.NextDueIn(), -1);  // nothing ticks while the machine waits
    EXPECT_EQ(g.main.winningLine, 0);
    EXPECT_EQ(g.main.clickStep, 0);
    // The load pictures: reel 1 looks like 10, 9, 8 from the top, reel 3 like 5, 3, 1.
    EXPECT_EQ(LooksLike(g.main.Cell(1, 1)), Symbol::Orange);
    EXPECT_EQ(LooksLike(g.main.Cell(1, 3)), Symbol::Melon);
    EXPECT_EQ(LooksLike(g.main.Cell(3, 2)), Symbol::Star);
    EXPECT_EQ(LooksLike(g.main.Cell(2, 3)), LooksLike(g.main.Cell(3, 3)));
    EXPECT_NE(g.main.Cell(2, 3), g.main.Cell(3, 3));  // same look, different pictures
    EXPECT_TRUE(m.fx.events.empty());
}

TEST(ClickCycle, SevenClicksBetStartAndStopInOrderThenBetAgain) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) machine::ClickBackground(g);
    EXPECT_EQ(g.info.Bet, "3");
    EXPECT_EQ(g.info.Coin, "97");
    EXPECT_TRUE(g.menu.Start.enabled);

    machine::ClickBackground(g);  // 4: start
    EXPECT_EQ(g.info.Run, "1");
    EXPECT_TRUE(g.main.reel1Timer.Enabled() && g.main.reel2Timer.Enabled() && g.main.reel3Timer.Enabled());
    m.Advance(500);

    machine::ClickBackground(g);  // 5: reel 1
    EXPECT_FALSE(g.main.reel1Timer.Enabled());
    EXPECT_TRUE(g.main.reel2Timer.Enabled());
    machine::ClickBackground(g);  // 6: reel 2
    EXPECT_FALSE(g.main.reel2Timer.Enabled());
    EXPECT_TRUE(g.main.reel3Timer.Enabled());
    m.fx.Clear();
    machine::ClickBackground(g);  // 7: reel 3, judged
    EXPECT_FALSE(g.main.reel3Timer.Enabled());
    EXPECT_EQ(m.Counter(g.info.Win) + m.Counter(g.info.Lost), 1);
    EXPECT_EQ(m.Sounds().back(), "LineStop");  // after the judgement

    // Let any payout finish; the eighth click bets again.
    m.clock.AdvanceUntil([&] { return !g.main.coinUpTimer.Enabled() && !g.main.winSoundTimer.Enabled(); }, 10000);
    const double coins = m.Counter(g.info.Coin);
    machine::ClickBackground(g);
    EXPECT_EQ(g.main.clickStep, 1);
    EXPECT_EQ(g.info.Bet, "1");
    EXPECT_EQ(m.Counter(g.info.Coin), coins - 1);
}

TEST(ClickCycle, FourthClickWithoutBetStartsNothingAndStopsFindNoReel) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 3; ++i) info::ClickBetDown(g);  // stays at 0, three beeps
    g.main.clickStep = 3;
    m.fx.Clear();
    machine::ClickBackground(g);  // 4 with bet 0
    EXPECT_EQ(g.main.clickStep, 4);
    EXPECT_EQ(g.info.Run, "0");
    for (int i = 0; i < 3; ++i) machine::ClickBackground(g);  // 5..7: no reel spins
    EXPECT_EQ(g.main.clickStep, 7);
    EXPECT_TRUE(m.fx.events.empty());  // no sound, no beep
    machine::ClickBackground(g);
    EXPECT_EQ(g.main.clickStep, 1);
    EXPECT_EQ(g.info.Bet, "1");
}

TEST(ClickCycle, GameStartedByClickButStoppedByButtonsLeavesTheCycleBehind) {
    Machine m;
    Game& g = m.game;
    for (int i = 0; i < 4; ++i) machine::ClickBackground(g);  // bet 3, start
    m.Advance(300);
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    m.clock.AdvanceUntil([&] { return g.info.BetUp.enabled; }, 10000);
    const std::string run = g.info.Run;
    const std::string bet = g.info.Bet;
    m.fx.Clear();
    for (int i = 0; i < 3; ++i) machine::ClickBackground(g);  // steps 5..7 find no reel
    EXPECT_EQ(g.info.Run, run);
    EXPECT_EQ(g.info.Bet, bet);
    EXPECT_TRUE(m.fx.events.empty());
    machine::ClickBackground(g);  // step 1 bets again
    EXPECT_EQ(g.info.Bet, "1");
}

TEST(ClickCycle, BettingClicksRaiseTheBetEvenWhileAWinCountsUp) {
    Machine m;
    Game& g = m.game;
    info::ClickBetUp(g);
    menu::ClickStart(g);
    m.ShowSymbols({{Seven, Seven, Seven}, {Bell, Star, Grapes}, {Peach, Watermelon, Melon}});  // sevens on the top row
    machine::ClickStop(g, 1);
    machine::ClickStop(g, 2);
    machine::ClickStop(g, 3);
    ASSERT_TRUE(g.main.coinUpTimer.Enabled());
    m.Advance(50);  // some coins paid
    g.main.clickStep = 7;
    machine::ClickBackground(g);  // step 1: RaiseBet though the buttons are disabled
    EXPECT_EQ(g.info.Bet, "2");
    EXPECT_EQ(g.main.BetLamp(2, 0), kRed);
    // The closing tick clears the bet raised meanwhile and darkens its lamps.
    m.clock.AdvanceUntil([&] { return !g.main.coinUpTimer.Enabled(); }, 5000);
    EXPECT_EQ(g.info.Bet, "0");
    EXPECT_EQ(g.main.BetLamp(2, 0), kBlack);
    EXPECT_EQ(m.Counter(g.info.Coin) + m.Counter(g.info.UsedCoin) - m.Counter(g.info.WinCoin), 100);
}

TEST(Sounds, NamesMapToFilesBesideTheProgramAndEachCallCutsTheLastOff) {
    Machine m("/games/kararion");
    const std::pair<const char*, const char*> table[] = {
        {"BetUp", "betup.wav"},     {"BetDown", "betdown.wav"}, {"Atari", "atari.wav"},
        {"LineRound", "round.wav"}, {"LineStop", "stop.wav"},   {"Error", "error.wav"},
    };
    for (const auto& [name, file] : table) {
        m.fx.Clear();
        sound::PlaySound(m.game, name);
        const std::string path = std::string("/games/kararion/data/se/") + file;
        const std::vector<RecordingEffects::Event> expected{
            {Kind::SoundCloseAll, "", ""}, {Kind::SoundOpen, path, ""}, {Kind::SoundPlay, path, ""}};
        EXPECT_EQ(m.fx.events, expected) << name;
    }
    // Unknown names and other letter cases stop the sound and play nothing.
    for (const char* name : {"betup", "ATARI", "Beep", "", "LineStop "}) {
        m.fx.Clear();
        sound::PlaySound(m.game, "Atari");
        sound::PlaySound(m.game, name);
        ASSERT_EQ(m.fx.events.size(), 6u);
        EXPECT_EQ(m.fx.events[3].kind, Kind::SoundCloseAll) << name;
        EXPECT_EQ(m.fx.events[4].text, "") << name;
        EXPECT_EQ(m.fx.events[5].text, "") << name;
        EXPECT_EQ(m.fx.lastOpened, "") << name;
    }
    // The path never depends on the working directory.
    EXPECT_EQ(sound::SoundFile(m.game, "Error"), "/games/kararion/data/se/error.wav");
}

}  // namespace
}  // namespace kararion
