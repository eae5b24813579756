// The rules' events as listeners hear them.
#include <gtest/gtest.h>

#include <vector>

#include "core/tuning.h"
#include "machine/machine.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using enum Symbol;

TEST(Events, EveryListenerHearsEachEventUntilItsConnectionIsDropped) {
    Machine m;
    Game& g = m.game;
    std::vector<Judgement> first, second;
    Connection a = g.events().judged.Connect([&](const Judgement& j) { first.push_back(j); });
    Connection b = g.events().judged.Connect([&](const Judgement& j) { second.push_back(j); });
    std::vector<ReelStop> stops;
    Connection c = g.events().reelStopped.Connect([&](const ReelStop& s) { stops.push_back(s); });

    m.Play(2, {{Bell, Star, Grapes}, {Bell, Bell, Bell}, {Peach, Watermelon, Orange}});
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0].line, 2);
    EXPECT_EQ(first[0].symbol, Bell);
    EXPECT_EQ(first[0].coins, tuning::kBellPays);
    EXPECT_FALSE(first[0].replay);
    ASSERT_EQ(stops.size(), 3u);
    EXPECT_EQ(stops[1].reel, 2);
    EXPECT_EQ(stops[1].cells, (std::array<Picture, 3>{PictureOf(Star), PictureOf(Bell), PictureOf(Watermelon)}));

    // A dropped connection hears nothing more; the other listener goes on.
    a.Disconnect();
    m.clock.AdvanceUntil([&] { return !GameUnderWay(g.phase()); }, 5000);
    m.Play(1, {{Bell, Star, Grapes}, {Bell, Bell, Bell}, {Peach, Watermelon, Orange}});
    EXPECT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_FALSE(second[1].Won());  // the middle row is not open at a stake of 1
    {
        Connection scoped = g.events().judged.Connect([&](const Judgement& j) { first.push_back(j); });
    }
    m.Play(1, {{Bell, Star, Grapes}, {Bell, Bell, Bell}, {Peach, Watermelon, Orange}});
    EXPECT_EQ(first.size(), 1u);
    EXPECT_EQ(second.size(), 3u);
}

}  // namespace
}  // namespace kararion
