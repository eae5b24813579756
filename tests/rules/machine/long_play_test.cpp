// Many games of random stakes and stop timings, played as a player would,
// with the books checked after every game.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "bet/bet.h"
#include "core/tuning.h"
#include "judge/judge.h"
#include "machine/machine.h"
#include "menu/menu_entries.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;

class Player {
public:
    explicit Player(unsigned seed) : rng_(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    // Stops whatever spins, in random order with random pauses, until the game is closed.
    void StopAll(Machine& m) {
        Game& g = m.game;
        for (;;) {
            // A replay starts the next game by itself at the next count-up tick.
            if (g.phase() == Phase::Replay) m.Advance(10);
            int spinning[3];
            int count = 0;
            for (int reel = 1; reel <= 3; ++reel)
                if (g.reels().ReelTimer(reel).Enabled()) spinning[count++] = reel;
            if (count == 0) return;
            m.Advance(Between(0, 400));
            g.ClickStop(spinning[Between(0, count - 1)]);
        }
    }

    void PlayByButtons(Machine& m) {
        Game& g = m.game;
        const int bet = Between(1, 3);
        for (int i = 0; i < bet; ++i) g.ClickBetUp();
        if (Between(0, 9) == 0) g.ClickBetDown();
        if (!g.menu().Enabled(menu::Entry::Start)) return;
        m.Advance(Between(0, 100));
        g.ClickStart();
        StopAll(m);
    }

    void PlayByClicks(Machine& m) {
        Game& g = m.game;
        for (int i = 0; i < 4; ++i) g.ClickBackground();  // three bets and the start
        for (int i = 0; i < 3; ++i) {
            m.Advance(Between(0, 300));
            g.ClickBackground();
        }
        StopAll(m);  // only a replay leaves reels spinning here
    }

private:
    std::mt19937 rng_;
};

TEST(LongPlay, HundredThousandRandomGamesKeepTheBooks) {
    constexpr int kGames = 100000;
    Player player(20261207);
    auto m = std::make_unique<Machine>();
    m->fx.keepLog = false;
    // What the judgements promised against what the count-ups paid, and what
    // the games started with against what was staked: no coin goes astray.
    Count won = 0, staked = 0;
    auto hear = [&] {
        std::vector<Connection> c;
        c.push_back(m->game.events().judged.Connect([&](const Judgement& j) { won += j.coins; }));
        c.push_back(m->game.events().gameStarted.Connect([&](bool replay) {
            if (!replay) staked += m->game.counters().Bet();
        }));
        return c;
    };
    std::vector<Connection> heard = hear();
    int games = 0, sessions = 1, wins = 0, replays = 0, hurried = 0;
    while (games < kGames) {
        Game& g = m->game;
        const Count runBefore = g.counters().Run();
        const bool clicks = (g.ClickStep() == 0 || g.ClickStep() == 7) && player.Between(0, 2) == 0;
        if (clicks) {
            player.PlayByClicks(*m);
        } else {
            player.PlayByButtons(*m);
        }
        const Count run = g.counters().Run();
        games += static_cast<int>(run - runBefore);
        replays += static_cast<int>(run - runBefore) - (run > runBefore ? 1 : 0);
        // Now and then the next game's clicks cut a payout short.
        if (clicks && g.judge().CoinsOwed() > 0 && player.Between(0, 1) == 0) {
            m->Advance(player.Between(0, 10 * g.judge().CoinsOwed()));
            ++hurried;
            continue;
        }
        // Wait for the payout to close the game.
        ASSERT_TRUE(m->clock.AdvanceUntil(
            [&] { return !g.judge().CountUpTimer().Enabled() && !g.judge().WinSoundTimer().Enabled(); }, 60000));

        const Count coin = g.counters().Coin();
        ASSERT_EQ(coin + g.counters().UsedCoin() - g.counters().WinCoin(), tuning::kStartCoins) << "game " << games;
        ASSERT_EQ(won, g.counters().WinCoin()) << "game " << games;
        ASSERT_EQ(staked, g.counters().UsedCoin()) << "game " << games;
        ASSERT_EQ(g.counters().Run(), g.counters().Lost() + g.counters().Win()) << "game " << games;
        ASSERT_GE(coin, 0) << "game " << games;
        ASSERT_EQ(g.counters().Bet(), 0);
        ASSERT_EQ(m->fx.messages, 0) << "game " << games;
        ASSERT_EQ(g.reels().StopCount(), 0);
        ASSERT_TRUE(g.betting().BetUp().enabled && g.betting().BetDown().enabled);

        if (coin == 0) {  // broke: a new session
            wins += static_cast<int>(g.counters().Win());
            m = std::make_unique<Machine>();
            m->fx.keepLog = false;
            won = staked = 0;
            heard = hear();
            ++sessions;
        }
    }
    wins += static_cast<int>(m->game.counters().Win());
    // Every kind of outcome must have come up in that many games.
    EXPECT_GT(wins, 0);
    EXPECT_GT(replays, 0);
    EXPECT_GT(hurried, 0);
    RecordProperty("sessions", sessions);
}

}  // namespace
}  // namespace kararion
