#include <gtest/gtest.h>

#include <vector>

#include "core/tuning.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using tuning::kStartCoins;
using enum Symbol;

// Everything a player can reach asks the one game phase, whichever way it
// comes: the faults below were all reachable from the machine's own clicks.
TEST(Phase, EveryCommandAsksThePhaseAndSaysWhyItRefused) {
    Machine m;
    Game& g = m.game;
    std::vector<Phase> phases;
    std::vector<Refusal> refusals;
    Connection moved = g.events().phaseChanged.Connect([&](Phase p) { phases.push_back(p); });
    Connection refused = g.events().refused.Connect([&](const Refusal& r) { refusals.push_back(r); });

    // スタート with nothing staked: refused without a sound, and said why.
    g.ClickStart();
    EXPECT_EQ(g.counters().Run(), 0);
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].command, Command::Start);
    EXPECT_EQ(refusals[0].reason, Reason::NothingStaked);

    // A stake of one, two reels stopped by their buttons, then two clicks on
    // the machine: the stake cannot rise after the reels are seen.
    g.ClickBetUp();
    g.ClickStart();
    g.ClickStop(1);
    g.ClickStop(2);
    g.ClickStop(2);  // a second press of a stopped reel's key
    refusals.clear();
    g.ClickBackground();
    g.ClickBackground();
    EXPECT_EQ(g.counters().Bet(), 1);
    EXPECT_EQ(g.counters().Coin(), kStartCoins - 1);
    EXPECT_FALSE(g.betting().BetUp().enabled);
    EXPECT_NE(g.betLamps().BetLamp(2, lamps::kLeftLamp), kRed);
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_EQ(refusals[0].command, Command::RaiseBet);
    EXPECT_EQ(refusals[0].reason, Reason::NotNow);
    EXPECT_EQ(refusals[0].phase, Phase::Spinning);
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Save));
    EXPECT_EQ(m.fx.beeps, 0);  // refused as a greyed control refuses: silently

    // The game closes and withdraws スタート: no game with nothing staked.
    m.ShowSymbols({{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Seven, Bar, Orange}});
    g.ClickStop(3);
    EXPECT_EQ(g.phase(), Phase::BetweenGames);
    EXPECT_FALSE(g.menu().Enabled(menu::Entry::Start));
    g.ClickStart();
    EXPECT_EQ(g.counters().Run(), 1);
    EXPECT_EQ(g.counters().Run(), g.counters().Win() + g.counters().Lost());
    EXPECT_TRUE(g.menu().Enabled(menu::Entry::Save) && g.menu().Enabled(menu::Entry::Loading));

    // A win moves through every phase, each announced once.
    phases.clear();
    m.Play(1, {{Bell, Bell, Bell}, {Peach, Watermelon, Melon}, {Seven, Bar, Orange}});
    m.clock.AdvanceUntil([&] { return g.phase() == Phase::BetweenGames; }, 10000);
    EXPECT_EQ(phases, (std::vector<Phase>{Phase::Staked, Phase::Spinning, Phase::PayingOut, Phase::BetweenGames}));

    // Ending works in every phase.
    g.ClickBetUp();
    g.ClickStart();
    g.EndProgram();
    for (const GameTimer* t : testing::AllTimers(g)) EXPECT_FALSE(t->Enabled()) << t->Name();
}

// はじめから: only once nothing is left in hand or on the stake; then the
// start values again, said as an event.
TEST(Phase, StartingAfreshOnlyWhenNothingIsLeft) {
    Machine m;
    Game& g = m.game;
    std::vector<Restored> afresh;
    Connection heard = g.events().startedAfresh.Connect([&](const Restored& r) { afresh.push_back(r); });
    g.StartAfresh();  // the start coins in hand
    EXPECT_TRUE(afresh.empty());
    m.Setup().SetSaved({.coin = 1, .run = 40, .lost = 30, .win = 10, .usedCoin = 120, .winCoin = 21});
    int ranOut = 0;
    Connection out = g.events().coinsRanOut.Connect([&] { ++ranOut; });
    m.Play(1, {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Seven, Bar, Orange}});
    EXPECT_EQ(ranOut, 1);
    g.StartAfresh();
    ASSERT_EQ(afresh.size(), 1u);
    EXPECT_EQ(afresh[0].coins, kStartCoins);
    EXPECT_EQ(testing::SavedCounters(g), (testing::Six{kStartCoins, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.counters().Bet(), 0);
}

}  // namespace
}  // namespace kararion
