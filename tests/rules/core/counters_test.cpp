#include <gtest/gtest.h>

#include <string>

#include "core/counters.h"

namespace kararion {
namespace {

// A counter becomes text only at the edges, and text from a file becomes a
// counter only when it is a whole number a counter can hold.
TEST(CounterText, OnlyWholeNumbersThatFitSixtyFourBitsComeBack) {
    EXPECT_EQ(CounterText(0), "0");
    EXPECT_EQ(CounterText(101), "101");
    EXPECT_EQ(ParseCount("100"), 100);
    EXPECT_EQ(ParseCount("007"), 7);  // leading zeros from a file written by hand
    EXPECT_EQ(ParseCount("9223372036854775807"), kLargestCount);
    EXPECT_EQ(ParseCount("0009223372036854775807"), kLargestCount);
    for (const char* refused : {"", "9223372036854775808", "99999999999999999999", "1e3", "-5", " 4", "12abc", "-ERR-"})
        EXPECT_EQ(ParseCount(refused), std::nullopt) << refused;
    // Every value a counter can hold reads back from its own text.
    for (Count value : {Count{0}, Count{1} << 53, (Count{1} << 53) + 1, kLargestCount})
        EXPECT_EQ(ParseCount(CounterText(value)), value);
}

// Past 2^53 a double loses single coins: the books must still move by one.
TEST(Counters, MoveByOneCoinWhateverTheirSize) {
    Counters c;
    c.Replace({.coin = (Count{1} << 53) + 1, .usedCoin = Count{1} << 53});
    c.StakeCoin();
    EXPECT_EQ(c.Coin(), Count{1} << 53);
    EXPECT_EQ(c.UsedCoin(), (Count{1} << 53) + 1);
    EXPECT_EQ(c.Bet(), 1);
    c.TakeBackCoin();
    EXPECT_EQ(c.Coin(), (Count{1} << 53) + 1);
    // No room for a game whose payout could pass the largest value.
    c.Replace({.coin = kLargestCount - 199});
    EXPECT_FALSE(c.RoomForGame(200));
    c.Replace({.coin = kLargestCount - 200});
    EXPECT_TRUE(c.RoomForGame(200));
}

}  // namespace
}  // namespace kararion
