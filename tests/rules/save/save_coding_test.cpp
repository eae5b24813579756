#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "save/save_code.h"
#include "support/harness.h"

namespace kararion {
namespace {

using testing::Machine;
using Kind = RecordingEffects::Kind;

TEST(SaveTextScrambling, DigitsBecomeTenDistinctLettersAndComeBack) {
    Machine m;
    const std::string all = save::EncodeSaveText(m.game, "0123456789");
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(std::set<char>(all.begin(), all.end()).size(), 10u);
    EXPECT_TRUE(std::all_of(all.begin(), all.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
    EXPECT_FALSE(std::is_sorted(all.begin(), all.end())) << "the letters must not just follow the alphabet";
    EXPECT_EQ(save::EncodeSaveText(m.game, "100"), (std::string{all[1], all[0], all[0]}));

    for (const std::string& text : std::vector<std::string>{"", "0", "007", "100", "9876543210", "00000000000000000000",
                                                            "31415926535897932384"}) {
        const std::string scrambled = save::EncodeSaveText(m.game, text);
        EXPECT_EQ(scrambled.size(), text.size());
        EXPECT_EQ(save::DecodeSaveText(m.game, scrambled), text);
    }
    EXPECT_EQ(m.fx.messages, 0);
    EXPECT_TRUE(m.fx.events.empty());
}

// Each failing call sounds "Error" once, shows one message and yields "-ERR-".
void ExpectOneFailure(Machine& m, const std::string& result, const std::string& message) {
    EXPECT_EQ(result, "-ERR-");
    ASSERT_EQ(m.fx.events.size(), 4u);
    EXPECT_EQ(m.fx.events[0].kind, Kind::SoundCloseAll);
    EXPECT_EQ(m.Sounds(), std::vector<std::string>{"Error"});
    EXPECT_EQ(m.fx.events[3], (RecordingEffects::Event{Kind::MessageBox, message, "エラー"}));
    m.fx.Clear();
}

TEST(SaveTextScrambling, AnythingButADigitFailsToScrambleWithOneMessage) {
    Machine m;
    for (const std::string& text : std::vector<std::string>{"-5", "1a2b", " 1", "1.5", "1e3", "-ERR-",
                                                            std::string("1\0"
                                                                        "2",
                                                                        3)})
        ExpectOneFailure(m, save::EncodeSaveText(m.game, text), "データの暗号化に失敗しました。");
}

TEST(SaveTextScrambling, AnythingButATableLetterFailsToUnscrambleWithOneMessage) {
    Machine m;
    std::string upper = save::EncodeSaveText(m.game, "12");
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return static_cast<char>(c - 32); });
    std::string outside;  // the first letter the table does not use
    for (char c = 'a'; outside.empty(); ++c)
        if (save::EncodeSaveText(m.game, "0123456789").find(c) == std::string::npos) outside = c;
    for (const std::string& text :
         std::vector<std::string>{upper, outside, std::string("12"), std::string("-ERR-"),
                                  save::EncodeSaveText(m.game, "5") + "<>", std::string("\xe3\x81\x82")})
        ExpectOneFailure(m, save::DecodeSaveText(m.game, text), "データの復号に失敗しました。");
}

}  // namespace
}  // namespace kararion
