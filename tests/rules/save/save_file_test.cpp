#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bet/bet.h"
#include "support/save_support.h"

namespace kararion {
namespace {

using Strings = std::vector<std::string>;
using testing::LoadFrom;
using testing::SaveAs;
using testing::Texts;

class SaveFile : public testing::SaveTest {};

TEST_F(SaveFile, WritesOneLineOfSixScrambledFieldsByteForByte) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    SaveAs(g, "game1");
    const std::string bytes = Read(Data("game1.dat"));
    EXPECT_EQ(bytes.size(), 21u);
    const Strings order = {"98", "5", "4", "1", "7", "5"};  // Coin, Run, Lost, Win, UsedCoin, WinCoin
    std::string expected;
    for (const std::string& text : order) expected += save::EncodeSaveText(g, text) + "<>";
    EXPECT_EQ(bytes, expected + "\r\n");
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_EQ(fx.events.back().title, "完了");
    EXPECT_TRUE(m.Sounds().empty());
    EXPECT_EQ(Tree(), (std::set<std::string>{"data", "data/game1.dat"}));  // no temporary left over
}

TEST_F(SaveFile, FilesOfEarlierBuildsStillLoadAndSaveAsTheyWere) {
    // Fixed bytes as earlier builds wrote them, never made by the encoder under
    // test: a change to its letter table fails here.
    const std::string played = "hx<>m<>z<>k<>b<>m<>\r\n";  // Coin 98, Run 5, Lost 4, Win 1, UsedCoin 7, WinCoin 5
    const std::string fresh = "krr<>r<>r<>r<>r<>r<>\r\n";  // a new game: 100 coins, all else 0
    Write(Data("played.dat"), played);
    Write(Data("fresh.dat"), fresh);

    LoadFrom(g, "played");
    EXPECT_EQ(Counters(), (Texts{"98", "5", "4", "1", "7", "5"}));
    SaveAs(g, "again");
    EXPECT_EQ(Read(Data("again.dat")), played);

    LoadFrom(g, "fresh");
    EXPECT_EQ(Counters(), (Texts{"100", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(fx.Messages(), (Strings{"ロードしました。", "セーブしました。", "ロードしました。"}));
}

TEST_F(SaveFile, SavingTwiceKeepsOnlyTheSecondAndLoadingRestoresAllSix) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    SaveAs(g, "game1");
    const Texts saved = {"7", "12345678901234567", "0", "9223372036854775807", "5", "0"};
    SetCounters(saved);
    SaveAs(g, "game1");
    EXPECT_EQ(Read(Data("game1.dat")), Line(saved) + "\r\n");

    SetCounters({"1", "2", "3", "4", "5", "6"});
    fx.Clear();
    LoadFrom(g, "game1");
    EXPECT_EQ(Counters(), saved);
    EXPECT_EQ(fx.Messages(), Strings{"ロードしました。"});
    EXPECT_EQ(fx.events.back().title, "完了");

    // Leading zeros, as a file written by hand may have them, load as the
    // number and are saved back without them.
    Write(Data("zeros.dat"), Line({"007", "0", "00", "0", "0003", "0"}) + "\r\n");
    LoadFrom(g, "zeros");
    EXPECT_EQ(Counters(), (Texts{"7", "0", "0", "0", "3", "0"}));
    SaveAs(g, "zeros");
    EXPECT_EQ(Read(Data("zeros.dat")), Line({"7", "0", "0", "0", "3", "0"}) + "\r\n");
}

// A save or a load holds a closed game: with coins staked or a game under
// way neither runs, whoever asks.
TEST_F(SaveFile, NeitherRunsWithCoinsStakedOrAGameUnderWay) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    SaveAs(g, "game1");
    const std::string bytes = Read(Data("game1.dat"));
    SetCounters({"50", "9", "8", "1", "60", "10"});
    g.ClickBetUp();
    fx.Clear();
    SaveAs(g, "game1");
    LoadFrom(g, "game1");
    g.ClickStart();
    SaveAs(g, "game1");
    LoadFrom(g, "game1");
    EXPECT_EQ(Read(Data("game1.dat")), bytes);
    EXPECT_EQ(Counters(), (Texts{"49", "10", "8", "1", "61", "10"}));
    EXPECT_TRUE(fx.Messages().empty());
    EXPECT_EQ(fx.beeps, 0);
}

// Past 2^53 a double would lose single coins; a counter holds every value up
// to the largest 64-bit number, and nothing larger loads.
TEST_F(SaveFile, HugeCountersMoveByOneAndNothingBeyondSixtyFourBitsLoads) {
    const std::string big = "9007199254740993";  // 2^53 + 1
    SetCounters({big, "5", "4", "1", big, "5"});
    g.ClickBetUp();
    g.ClickBetDown();
    EXPECT_EQ(CounterText(g.counters().Coin()), big);
    EXPECT_EQ(CounterText(g.counters().UsedCoin()), big);
    fx.Clear();
    SaveAs(g, "rich");
    SetCounters({"1", "1", "1", "1", "1", "1"});
    LoadFrom(g, "rich");
    EXPECT_EQ(Counters(), (Texts{big, "5", "4", "1", big, "5"}));
    for (const std::string& tooLarge : {std::string("9223372036854775808"), "1" + std::string(30, '0')}) {
        Write(Data("beyond.dat"), Line({tooLarge, "5", "4", "1", "7", "5"}) + "\r\n");
        fx.Clear();
        LoadFrom(g, "beyond");
        EXPECT_EQ(Counters(), (Texts{big, "5", "4", "1", big, "5"})) << tooLarge;
        EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"}) << tooLarge;
    }
    // A game whose payout could pass the largest value is refused with a beep,
    // so every save the game writes loads again.
    SetCounters({"9223372036854775807", "5", "4", "1", "7", "5"});
    fx.Clear();
    g.ClickBetUp();
    g.ClickStart();
    EXPECT_EQ(g.counters().Run(), 5);
    EXPECT_EQ(fx.beeps, 1);
}

TEST_F(SaveFile, LoadsTheFirstLineUpToACommaInAnyLayoutTheReaderAccepts) {
    const Texts v = {"98", "5", "4", "1", "7", "5"};
    const std::string line = Line(v);
    const std::string noFinal = line.substr(0, line.size() - 2);
    for (const std::string& bytes : Strings{"  \t" + line + "\r\n", line + "," + "junk\r\n", noFinal + "\r\n", line,
                                            line + "abc<>xyz<><>\r\n", line + "\n" + "garbage\r\n", noFinal + "\rzz"}) {
        SetCounters({"1", "1", "1", "1", "1", "1"});
        Write(Data("x.dat"), bytes);
        fx.Clear();
        LoadFrom(g, "x");
        EXPECT_EQ(Counters(), v) << bytes;
        EXPECT_EQ(fx.Messages(), Strings{"ロードしました。"}) << bytes;
    }
}

// A damaged field fails the whole load: the game in hand goes on untouched.
TEST_F(SaveFile, ABadLetterChangesNothingAfterOneMessage) {
    std::string line = Line({"98", "5", "4", "1", "7", "5"});
    std::string bad = line;
    bad[line.find("<>", line.find("<>") + 2) + 2] = 'Q';  // third field, Lost
    Write(Data("x.dat"), bad + "\r\n");
    const Texts before = {"50", "9", "8", "1", "60", "10"};
    SetCounters(before);
    LoadFrom(g, "x");
    EXPECT_EQ(fx.Messages(), (Strings{"データの復号に失敗しました。", "ロード出来ませんでした。"}));
    EXPECT_EQ(fx.events.back().title, "エラー");
    EXPECT_EQ(m.Sounds(), Strings{"Error"});
    EXPECT_EQ(Counters(), before);
}

// Whatever cannot be read as a save line leaves every counter as it was and
// says so once, without the unscrambling message.
TEST_F(SaveFile, WhatCannotBeReadChangesNothing) {
    std::string five = Line({"1", "2", "3", "4", "5", ""});
    five.resize(five.size() - 4);  // "s1<>s2<>s3<>s4<>s5": one field short
    Write(Data("empty.dat"), "");
    Write(Data("five.dat"), five + "\r\n");
    Write(Data("blank.dat"), "   \r\n" + Line({"1", "2", "3", "4", "5", "6"}));
    Write(Data("binary.dat"), std::string("\x7f"
                                          "ELF\0\0",
                                          6) +
                                  Line({"1", "2", "3", "4", "5", "6"}));
    Write(Data("huge.dat"), std::string(1 << 20, 'k'));
    std::filesystem::create_directory(Data("folder.dat"));
    ASSERT_EQ(::mkfifo(Data("fifo.dat").c_str(), 0600), 0);  // must not hang in open()
    Write(root / "outside.dat", Line({"1", "2", "3", "4", "5", "6"}));

    // A missing or empty field fails as a damaged one does.
    Write(Data("lastblank.dat"), Line({"1", "2", "3", "4", "5", ""}) + "\r\n");
    Write(Data("allblank.dat"), "<><><><><><>\r\n");

    const Texts before = {"50", "0", "7", "1", "60", "10"};
    for (const std::string& name :
         Strings{"NewData", "empty", "five", "lastblank", "allblank", "blank", "binary", "huge", "folder", "fifo",
                 "../outside", "..", ".", "a/b", "a\\b", std::string("x\0y", 3)}) {
        SetCounters(before);
        fx.Clear();
        LoadFrom(g, name);
        EXPECT_EQ(Counters(), before) << name;
        EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"}) << name;
        EXPECT_TRUE(m.Sounds().empty()) << name;
    }
    g.SetSaveFolder((root / "missing" / "").string());
    LoadFrom(g, "NewData");
    EXPECT_EQ(Counters(), before);
}

TEST_F(SaveFile, AFirstLineOfUpTo64KiBLoadsAndOneByteMoreDoesNot) {
    const Texts before = {"50", "9", "8", "1", "60", "10"};
    for (std::size_t extra : {0, 1}) {
        // Leading zeros make the line long and the number small.
        std::string coin = "7";
        std::string line = Line({coin, "2", "3", "4", "5", "6"});
        coin.insert(0, std::size_t{64} * 1024 + extra - (line.size() - 2), '0');
        line = Line({coin, "2", "3", "4", "5", "6"});
        line.resize(line.size() - 2);
        ASSERT_EQ(line.size(), std::size_t{64} * 1024 + extra);
        Write(Data("big.dat"), line + "\r\n");
        SetCounters(before);
        fx.Clear();
        LoadFrom(g, "big");
        EXPECT_EQ(g.counters().Coin(), extra ? 50 : 7);
        EXPECT_EQ(fx.Messages(), Strings{extra ? "ロード出来ませんでした。" : "ロードしました。"});
    }
}

TEST_F(SaveFile, ANameThatIsNotAPlainFileNameTouchesNothing) {
    const auto before = Tree();
    for (const std::string& name : Strings{"../escape", "a/b", "/tmp/abs", "a\\b", ".", "..", std::string("x\0y", 3)}) {
        fx.Clear();
        SaveAs(g, name);
        EXPECT_EQ(fx.Messages(), Strings{"セーブ出来ませんでした。"}) << name;
    }
    fx.Clear();
    SaveAs(g, "");  // an empty name: a beep alone
    EXPECT_EQ(fx.beeps, 1);
    EXPECT_TRUE(fx.Messages().empty());
    EXPECT_EQ(Tree(), before);
}

// Failures that really happen to the write, even for root, who ignores permissions.
TEST_F(SaveFile, AFailedWriteKeepsTheOldSaveAndLeavesNoTemporary) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    SaveAs(g, "game1");
    const std::string old = Read(Data("game1.dat"));
    SetCounters({"1000", "50", "40", "10", "70", "50"});
    const auto expectRefused = [&](const char* what) {
        EXPECT_EQ(fx.Messages(), Strings{"セーブ出来ませんでした。"}) << what;
        EXPECT_EQ(fx.events.back().title, "エラー") << what;
        EXPECT_EQ(Read(Data("game1.dat")), old) << what;
        EXPECT_EQ(Tree(), (std::set<std::string>{"data", "data/game1.dat"})) << what;
        fx.Clear();
    };
    fx.Clear();

    // The disk fills up part-way through the line: the file size limit makes
    // write() stop after 8 bytes and then fail with EFBIG.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    rlimit small = limit;
    small.rlim_cur = 8;
    auto* previous = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    SaveAs(g, "game1");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, previous);
    expectRefused("file size limit");

    // The folder is gone (here: its path names a file instead).
    const std::string dataDir = g.saveFiles().DataDir();
    g.SetSaveFolder(Data("game1.dat").string() + "/");
    SaveAs(g, "game1");
    g.SetSaveFolder(dataDir);
    expectRefused("no folder");

    // Something that cannot be replaced stands under the final name.
    std::filesystem::create_directory(Data("taken.dat"));
    std::filesystem::create_directory(Data("taken.dat") / "inside");
    SaveAs(g, "taken");
    std::filesystem::remove_all(Data("taken.dat"));
    expectRefused("occupied name");
}

// A save killed part-way leaves its hidden temporary behind; the next save
// clears it away, but never the temporary of a game that is still running.
TEST_F(SaveFile, TheNextSaveRemovesTemporariesWhoseWriterIsGone) {
    const pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
    const pid_t running = ::getppid();  // alive as long as this test runs
    const std::string stale = ".kararion-" + std::to_string(gone) + "-0.tmp";
    const std::string live = ".kararion-" + std::to_string(running) + "-3.tmp";
    for (const std::string& file : {stale, live, std::string(".kararion-notes.tmp")}) Write(Data(file), "kw<>");

    SetCounters({"98", "5", "4", "1", "7", "5"});
    SaveAs(g, "game1");
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_EQ(Tree(), (std::set<std::string>{"data", "data/game1.dat", "data/" + live, "data/.kararion-notes.tmp"}));
}

}  // namespace
}  // namespace kararion
