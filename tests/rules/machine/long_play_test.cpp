// Many games of random stakes and stop timings, played as a player would,
// with the books checked after every game.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "bet/bet_buttons.h"
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
            if (g.main.coinUpTimer.Enabled() && g.judge.Payout == judge::kReplayPayout) m.Advance(10);
            int spinning[3];
            int count = 0;
            for (int reel = 1; reel <= 3; ++reel)
                if (g.main.ReelTimer(reel).Enabled()) spinning[count++] = reel;
            if (count == 0) return;
            m.Advance(Between(0, 400));
            machine::ClickStop(g, spinning[Between(0, count - 1)]);
        }
    }

    void PlayByButtons(Machine& m) {
        Game& g = m.game;
        const int bet = Between(1, 3);
        for (int i = 0; i < bet; ++i) info::ClickBetUp(g);
        if (Between(0, 9) == 0) info::ClickBetDown(g);
        if (!g.menu.Start.enabled) return;
        m.Advance(Between(0, 100));
        menu::ClickStart(g);
        StopAll(m);
    }

    void PlayByClicks(Machine& m) {
        Game& g = m.game;
        for (int i = 0; i < 4; ++i) machine::ClickBackground(g);  // three bets and the start
        for (int i = 0; i < 3; ++i) {
            m.Advance(Between(0, 300));
            machine::ClickBackground(g);
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
    int games = 0, sessions = 1, wins = 0, replays = 0;
    while (games < kGames) {
        Game& g = m->game;
        const double runBefore = m->Counter(g.info.Run);
        const bool clicks = (g.main.clickStep == 0 || g.main.clickStep == 7) && player.Between(0, 2) == 0;
        if (clicks) {
            player.PlayByClicks(*m);
        } else {
            player.PlayByButtons(*m);
        }
        // Wait for the payout to close the game.
        ASSERT_TRUE(m->clock.AdvanceUntil(
            [&] { return !g.main.coinUpTimer.Enabled() && !g.main.winSoundTimer.Enabled(); }, 60000));
        const double run = m->Counter(g.info.Run);
        games += static_cast<int>(run - runBefore);
        replays += static_cast<int>(run - runBefore) - (run > runBefore ? 1 : 0);

        const double coin = m->Counter(g.info.Coin);
        ASSERT_EQ(coin + m->Counter(g.info.UsedCoin) - m->Counter(g.info.WinCoin), 100) << "game " << games;
        ASSERT_EQ(run, m->Counter(g.info.Lost) + m->Counter(g.info.Win)) << "game " << games;
        ASSERT_GE(coin, 0) << "game " << games;
        ASSERT_EQ(g.info.Bet, "0");
        ASSERT_EQ(m->fx.messages, 0) << "game " << games;
        ASSERT_EQ(g.stop.StopCount, 0);
        ASSERT_TRUE(g.info.BetUp.enabled && g.info.BetDown.enabled);

        if (coin == 0) {  // broke: a new session
            wins += static_cast<int>(m->Counter(g.info.Win));
            m = std::make_unique<Machine>();
            m->fx.keepLog = false;
            ++sessions;
        }
    }
    wins += static_cast<int>(m->Counter(m->game.info.Win));
    // Every kind of outcome must have come up in that many games.
    EXPECT_GT(wins, 0);
    EXPECT_GT(replays, 0);
    RecordProperty("sessions", sessions);
}

}  // namespace
}  // namespace kararion
