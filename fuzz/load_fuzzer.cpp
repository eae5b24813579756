// Feeds arbitrary bytes to the loader as a save file and checks the outcome
// against a plain reading of the file rules, done independently here:
//   - nothing readable as a save line (first line over 64 KiB, a NUL in it,
//     fewer than six fields): one "ロード出来ませんでした。", counters untouched;
//   - the fields taken in turn, the first that is not a count decides: one
//     with anything but the ten letters gives one unscrambling message, then
//     "ロード出来ませんでした。"; an empty one, or one beyond what a 64-bit
//     counter holds, gives "ロード出来ませんでした。" alone; either way no
//     counter changes;
//   - otherwise exactly the unscrambled numbers and "ロードしました。",
//     and saving them again and loading that gives the same numbers back.
// Bet is never touched. Any other outcome aborts.
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "save/save_code.h"
#include "save/save_file.h"
#include "support/harness.h"

namespace {

using namespace kararion;
using testing::Six;

std::string g_root;     // our temporary folder
std::string g_dataDir;  // its data folder, with the trailing separator

const Six kBefore = {98, 5, 4, 1, 7, 5};
const Six kReset = {100, 0, 0, 0, 0, 0};

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "load_fuzzer: %s\n", what);
    std::abort();
}

void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

// The game as the program starts it, saving to our temporary folder.
struct Machine : testing::Machine {
    Machine() : testing::Machine("/nonexistent") { game.SetSaveFolder(g_dataDir); }
};

enum class Outcome { Unreadable, BadLetter, NoCount, Loaded };

// The value of decimal digits, or false for none or one beyond 64 bits.
bool ValueOf(const std::string& digits, Count& value) {
    const std::string largest = std::to_string(kLargestCount);
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    const std::string significant = digits.substr(first);
    if (digits.empty() || significant.size() > largest.size() ||
        (significant.size() == largest.size() && significant > largest))
        return false;
    value = 0;
    for (char c : significant) value = value * 10 + (c - '0');
    return true;
}

// The expected outcome, worked out from the rules without the loader's code.
Outcome Expect(std::string_view bytes, const std::string& letters, Six& counts) {
    std::string_view line = bytes.substr(0, bytes.find_first_of("\r\n"));
    if (line.size() > std::size_t{64} * 1024 || line.find('\0') != std::string_view::npos) return Outcome::Unreadable;
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    line = line.substr(0, line.find(','));
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0;;) {
        std::size_t sep = line.find("<>", at);
        pieces.push_back(line.substr(at, sep == std::string_view::npos ? std::string_view::npos : sep - at));
        if (sep == std::string_view::npos) break;
        at = sep + 2;
    }
    if (pieces.size() < 6) return Outcome::Unreadable;
    for (std::size_t i = 0; i < 6; ++i) {
        std::string digits;
        for (char c : pieces[i]) {
            std::size_t d = letters.find(c);
            if (d == std::string::npos) return Outcome::BadLetter;
            digits += static_cast<char>('0' + d);
        }
        if (!ValueOf(digits, counts[i])) return Outcome::NoCount;
    }
    return Outcome::Loaded;
}

void CleanUp() {
    std::error_code ignored;
    std::filesystem::remove_all(g_root, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kararion-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) Fail("no temporary folder");
    g_root = pattern;
    std::filesystem::create_directory(g_root + "/data");
    g_dataDir = g_root + "/data/";
    std::atexit(CleanUp);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(g_dataDir + "fuzz.dat", std::ios::binary | std::ios::trunc) << bytes;

    Machine m;
    Game& g = m.game;
    const std::string letters = save::EncodeSaveText(g, "0123456789");
    testing::SetSavedCounters(g, kBefore);

    Six counts{};
    const Outcome expected = Expect(bytes, letters, counts);
    testing::LoadFrom(g, "fuzz");

    const std::vector<std::string> messages = m.fx.Messages();
    Check(g.counters().Bet() == 0, "Bet changed");
    switch (expected) {
        case Outcome::Unreadable:
            Check(messages == std::vector<std::string>{"ロード出来ませんでした。"}, "unreadable: messages");
            Check(m.fx.SoundsPlayed().empty(), "unreadable: a sound played");
            Check(testing::SavedCounters(g) == kBefore, "unreadable: counters changed");
            return 0;
        case Outcome::BadLetter:
            Check(messages == std::vector<std::string>{"データの復号に失敗しました。", "ロード出来ませんでした。"},
                  "bad letter: messages");
            Check(m.fx.SoundsPlayed().size() == 1, "bad letter: not one sound");
            Check(testing::SavedCounters(g) == kBefore, "bad letter: counters changed");
            return 0;
        case Outcome::NoCount:
            Check(messages == std::vector<std::string>{"ロード出来ませんでした。"}, "no count: messages");
            Check(m.fx.SoundsPlayed().empty(), "no count: a sound played");
            Check(testing::SavedCounters(g) == kBefore, "no count: counters changed");
            return 0;
        case Outcome::Loaded: break;
    }
    Check(messages == std::vector<std::string>{"ロードしました。"}, "loaded: messages");
    Check(testing::SavedCounters(g) == counts, "loaded: not the unscrambled numbers");

    // What was loaded saves and loads again unchanged, in the canonical layout.
    m.fx.Clear();
    testing::SaveAs(g, "again");
    Check(m.fx.Messages() == std::vector<std::string>{"セーブしました。"}, "resave: messages");
    std::size_t length = 14;
    for (const Count c : counts) length += std::to_string(c).size();
    Check(std::filesystem::file_size(g_dataDir + "again.dat") == length, "resave: size");
    testing::SetSavedCounters(g, kReset);
    testing::LoadFrom(g, "again");
    Check(testing::SavedCounters(g) == counts, "resave: round trip");
    Check(g.counters().Bet() == 0, "resave: Bet changed");
    return 0;
}
