// The data counter's rules: the session's history of coins won or lost.
#include <gtest/gtest.h>

#include "bet/info_window.h"
#include "judge/judge.h"
#include "menu/menu_window.h"
#include "save_support.h"
#include "session/session_record.h"

namespace kararion {
namespace {

using testing::Machine;
using Rows = std::vector<std::vector<Picture>>;

// Bets, starts, puts `rows` in view and stops the three reels.
void Play(Machine& m, int coins, const Rows& rows) {
    for (int i = 0; i < coins; ++i) Form6::BetUp_Click(m.game);
    Form5::Start_Click(m.game);
    m.ShowSymbols(rows);
    Form1::Stop1_Click(m.game);
    Form1::Stop2_Click(m.game);
    Form1::Stop3_Click(m.game);
}

class SessionHistory : public testing::SaveTest {
protected:
    session::SessionRecord record{g};
    const session::History& history = record.history();
    SessionHistory() { record.StartSession(); }
};

TEST_F(SessionHistory, GrowsOnlyWhenAGameHasEndedAndStartsAfreshAfterALoad) {
    FileC::SaveGame(g, "start");
    // A win of 50 coins at bet 3: nothing until the count-up is over.
    Play(m, 3, {{8, 8, 8}, {1, 3, 4}, {5, 6, 10}});
    m.Advance(200);
    EXPECT_EQ(history.Games(), 0);
    m.Advance(1000);
    ASSERT_EQ(history.Games(), 1);
    EXPECT_EQ(history.Differences().back(), 47);

    // A replay at bet 1 ends its game at the judgement, the coins unchanged;
    // the free game that follows, lost, costs nothing.
    Play(m, 1, {{9, 9, 9}, {1, 3, 4}, {5, 6, 10}});
    ASSERT_EQ(history.Games(), 2);
    EXPECT_EQ(history.Differences().back(), 46);
    m.Advance(20);
    ASSERT_TRUE(g.form1.SLT1.Enabled());
    m.ShowSymbols({{1, 3, 4}, {5, 6, 8}, {9, 10, 2}});
    Form1::Stop1_Click(g);
    Form1::Stop2_Click(g);
    Form1::Stop3_Click(g);
    ASSERT_EQ(history.Games(), 3);
    EXPECT_EQ(history.Differences().back(), 46);

    // A loss at bet 2.
    Play(m, 2, {{1, 3, 4}, {5, 6, 8}, {9, 10, 2}});
    EXPECT_EQ(history.Differences(), (std::vector<double>{47, 46, 46, 44}));
    EXPECT_EQ(history.Wins(), 2);
    EXPECT_EQ(history.Staked(), 6);
    EXPECT_EQ(history.Paid(), 50);
    EXPECT_DOUBLE_EQ(history.Return().value(), 50.0 / 6);
    EXPECT_EQ(history.HighestGame(), 1);
    EXPECT_EQ(history.LowestGame(), 4);

    // A load: its Coin, not the one before, is the new base.
    FileC::LoadGame(g, "start");
    ASSERT_EQ(g.form6.Coin, "100");
    EXPECT_EQ(history.Games(), 0);
    EXPECT_FALSE(history.Return().has_value());
    Play(m, 1, {{1, 3, 4}, {5, 6, 8}, {9, 10, 2}});
    EXPECT_EQ(history.Differences(), (std::vector<double>{-1}));
    EXPECT_EQ(history.Staked(), 1);
}

}  // namespace
}  // namespace kararion
