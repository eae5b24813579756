#include <gtest/gtest.h>

#include <limits>

#include "core/counters.h"

namespace kararion {
namespace {

TEST(CounterText, ReadsTheLeadingNumberAndZeroForText) {
    EXPECT_EQ(ReadCounter("100"), 100);
    EXPECT_EQ(ReadCounter("0"), 0);
    EXPECT_EQ(ReadCounter("007"), 7);   // leading zeros from a loaded file
    EXPECT_EQ(ReadCounter(""), 0);      // an empty loaded field
    EXPECT_EQ(ReadCounter("Coin"), 0);  // the field's design-time text
    EXPECT_EQ(ReadCounter("-ERR-"), 0);
    EXPECT_EQ(ReadCounter("  42"), 42);   // leading blanks are skipped
    EXPECT_EQ(ReadCounter("12abc"), 12);  // the leading number counts
    EXPECT_EQ(ReadCounter("-5"), -5);
    EXPECT_EQ(ReadCounter("2.5"), 2.5);
    EXPECT_EQ(ReadCounter("1e3"), 1000);
    EXPECT_EQ(ReadCounter("1e"), 1);  // an exponent needs digits
    EXPECT_EQ(ReadCounter("."), 0);
    EXPECT_EQ(ReadCounter("-"), 0);
    EXPECT_EQ(ReadCounter("9" + std::string(400, '9')), std::numeric_limits<double>::max());
    EXPECT_EQ(ReadCounter("1e-999"), 0);
}

TEST(CounterText, WritesTheShortestDecimalText) {
    EXPECT_EQ(WriteCounter(0), "0");
    EXPECT_EQ(WriteCounter(-0.0), "0");
    EXPECT_EQ(WriteCounter(101), "101");
    EXPECT_EQ(WriteCounter(-1), "-1");
    EXPECT_EQ(WriteCounter(2.5), "2.5");
    EXPECT_EQ(WriteCounter(123456789012345.0), "123456789012345");
    // Fractions take the shortest round-trip form; every form reads back.
    for (double v : {1e15, 1e23, 0.1, 1.0 / 3.0, std::numeric_limits<double>::max()})
        EXPECT_EQ(ReadCounter(WriteCounter(v)), v) << WriteCounter(v);
    EXPECT_EQ(WriteCounter(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(CounterText, UpdatesReadChangeAndWrite) {
    std::string field = "99";
    AddToCounter(field, 1);
    EXPECT_EQ(field, "100");
    field = "";  // a loaded empty text counts as 0
    AddToCounter(field, 1);
    EXPECT_EQ(field, "1");
    field = "007";
    AddToCounter(field, -1);
    EXPECT_EQ(field, "6");
}

}  // namespace
}  // namespace kararion
