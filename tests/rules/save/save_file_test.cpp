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
using testing::Six;

class SaveFile : public testing::SaveTest {};

TEST_F(SaveFile, WritesOneLineOfSixScrambledFieldsByteForByte) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    g.saveFiles.SaveGame("game1");
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

    g.saveFiles.LoadGame("played");
    EXPECT_EQ(Counters(), (Six{"98", "5", "4", "1", "7", "5"}));
    g.saveFiles.SaveGame("again");
    EXPECT_EQ(Read(Data("again.dat")), played);

    g.saveFiles.LoadGame("fresh");
    EXPECT_EQ(Counters(), (Six{"100", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(fx.Messages(), (Strings{"ロードしました。", "セーブしました。", "ロードしました。"}));
}

TEST_F(SaveFile, SavingTwiceKeepsOnlyTheSecondAndLoadingRestoresAllButBet) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    g.saveFiles.SaveGame("game1");
    const Six saved = {"007", "", "0", "12345678901234567890", "", "0"};  // any digit text, as it stands
    SetCounters(saved);
    g.saveFiles.SaveGame("game1");
    EXPECT_EQ(Read(Data("game1.dat")), Line(saved) + "\r\n");

    SetCounters({"1", "2", "3", "4", "5", "6"});
    g.counters.Bet = "2";
    fx.Clear();
    g.saveFiles.LoadGame("game1");
    EXPECT_EQ(Counters(), saved);
    EXPECT_EQ(g.counters.Bet, "2");
    EXPECT_EQ(fx.Messages(), Strings{"ロードしました。"});
    EXPECT_EQ(fx.events.back().title, "完了");

    // The game goes on with the loaded texts: "007" reads as 7, "" as 0.
    g.counters.Bet = "0";
    g.betting.RaiseBet();
    EXPECT_EQ(g.counters.Coin, "6");
    EXPECT_EQ(g.counters.UsedCoin, "1");
}

// A score far beyond real play still comes out as plain digits after a bet
// and back, so the game can be saved and loaded as before.
TEST_F(SaveFile, HugeCountersStayDigitsThroughABetAndSaveAndLoad) {
    const Strings after = {"1000000000000000", "1000000000000000019884624838656"};  // 1e30 as a double holds it
    const Strings loaded = {"1000000000000000", "1" + std::string(30, '0')};
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        SetCounters({loaded[i], "5", "4", "1", loaded[i], "5"});
        g.counters.Bet = "0";
        g.betting.RaiseBet();
        g.betting.LowerBet();
        EXPECT_EQ(g.counters.Coin, after[i]);
        EXPECT_EQ(g.counters.UsedCoin, after[i]);
        fx.Clear();
        g.saveFiles.SaveGame("rich");
        SetCounters({"1", "1", "1", "1", "1", "1"});
        g.saveFiles.LoadGame("rich");
        EXPECT_EQ(fx.Messages(), (Strings{"セーブしました。", "ロードしました。"})) << after[i];
        EXPECT_EQ(Counters(), (Six{after[i], "5", "4", "1", after[i], "5"}));
    }
}

TEST_F(SaveFile, LoadsTheFirstLineUpToACommaInAnyLayoutTheReaderAccepts) {
    const Six v = {"98", "5", "4", "1", "7", "5"};
    const std::string line = Line(v);
    const std::string noFinal = line.substr(0, line.size() - 2);
    for (const std::string& bytes : Strings{"  \t" + line + "\r\n", line + "," + "junk\r\n", noFinal + "\r\n", line,
                                            line + "abc<>xyz<><>\r\n", line + "\n" + "garbage\r\n", noFinal + "\rzz"}) {
        SetCounters({"1", "1", "1", "1", "1", "1"});
        Write(Data("x.dat"), bytes);
        fx.Clear();
        g.saveFiles.LoadGame("x");
        EXPECT_EQ(Counters(), v) << bytes;
        EXPECT_EQ(fx.Messages(), Strings{"ロードしました。"}) << bytes;
    }
}

TEST_F(SaveFile, ABadLetterResetsTheCountersAfterOneMessageAndKeepsBet) {
    std::string line = Line({"98", "5", "4", "1", "7", "5"});
    std::string bad = line;
    bad[line.find("<>", line.find("<>") + 2) + 2] = 'Q';  // third field, Lost
    bad.back() = '!';                                     // sixth field is never looked at
    Write(Data("x.dat"), bad + "\r\n");
    SetCounters({"50", "9", "8", "1", "60", "10"});
    g.counters.Bet = "3";
    // A timer that moves a counter while the message is open is overruled by the reset.
    fx.whileMessageOpen = [&](const std::string& text) {
        if (text == "データの復号に失敗しました。") g.counters.Coin = "51";
    };
    g.saveFiles.LoadGame("x");
    EXPECT_EQ(fx.Messages(), (Strings{"データの復号に失敗しました。", "ロード出来ませんでした。"}));
    EXPECT_EQ(fx.events.back().title, "エラー");
    EXPECT_EQ(m.Sounds(), Strings{"Error"});
    EXPECT_EQ(Counters(), (Six{"100", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(g.counters.Bet, "3");
}

TEST_F(SaveFile, AnUnscramblableCounterWritesNothing) {
    Write(Data("game1.dat"), "old");
    SetCounters({"98", "-5", "4x", "1", "7", "5"});
    g.saveFiles.SaveGame("game1");
    EXPECT_EQ(fx.Messages(), (Strings{"データの暗号化に失敗しました。", "セーブ出来ませんでした。"}));
    EXPECT_EQ(fx.events.back().title, "エラー");
    EXPECT_EQ(Read(Data("game1.dat")), "old");
    EXPECT_EQ(Tree(), (std::set<std::string>{"data", "data/game1.dat"}));
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

    const Six before = {"50", "", "007", "1", "60", "10"};
    for (const std::string& name : Strings{"NewData", "empty", "five", "blank", "binary", "huge", "folder", "fifo",
                                           "../outside", "..", ".", "", "a/b", "a\\b", std::string("x\0y", 3)}) {
        SetCounters(before);
        fx.Clear();
        g.saveFiles.LoadGame(name);
        EXPECT_EQ(Counters(), before) << name;
        EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"}) << name;
        EXPECT_TRUE(m.Sounds().empty()) << name;
    }
    g.saveFiles.dataDir = (root / "missing" / "").string();
    g.saveFiles.LoadGame("NewData");
    EXPECT_EQ(Counters(), before);
}

TEST_F(SaveFile, AFirstLineOfUpTo64KiBLoadsAndOneByteMoreDoesNot) {
    const Six before = {"50", "9", "8", "1", "60", "10"};
    for (std::size_t extra : {0, 1}) {
        std::string coin(1, '7');
        std::string line = Line({coin, "2", "3", "4", "5", ""});
        coin.resize(std::size_t{64} * 1024 + extra - (line.size() - 2) + 1, '7');
        line = Line({coin, "2", "3", "4", "5", ""});
        line.resize(line.size() - 2);
        ASSERT_EQ(line.size(), std::size_t{64} * 1024 + extra);
        Write(Data("big.dat"), line + "\r\n");
        SetCounters(before);
        fx.Clear();
        g.saveFiles.LoadGame("big");
        EXPECT_EQ(g.counters.Coin, extra ? before[0] : coin);
        EXPECT_EQ(fx.Messages(), Strings{extra ? "ロード出来ませんでした。" : "ロードしました。"});
    }
}

TEST_F(SaveFile, ANameThatIsNotAPlainFileNameTouchesNothing) {
    const auto before = Tree();
    for (const std::string& name :
         Strings{"../escape", "a/b", "/tmp/abs", "a\\b", ".", "..", "", std::string("x\0y", 3)}) {
        fx.Clear();
        g.saveFiles.SaveGame(name);
        EXPECT_EQ(fx.Messages(), Strings{"セーブ出来ませんでした。"}) << name;
    }
    EXPECT_EQ(Tree(), before);
}

// Failures that really happen to the write, even for root, who ignores permissions.
TEST_F(SaveFile, AFailedWriteKeepsTheOldSaveAndLeavesNoTemporary) {
    SetCounters({"98", "5", "4", "1", "7", "5"});
    g.saveFiles.SaveGame("game1");
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
    g.saveFiles.SaveGame("game1");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, previous);
    expectRefused("file size limit");

    // The folder is gone (here: its path names a file instead).
    const std::string dataDir = g.saveFiles.dataDir;
    g.saveFiles.dataDir = Data("game1.dat").string() + "/";
    g.saveFiles.SaveGame("game1");
    g.saveFiles.dataDir = dataDir;
    expectRefused("no folder");

    // Something that cannot be replaced stands under the final name.
    std::filesystem::create_directory(Data("taken.dat"));
    std::filesystem::create_directory(Data("taken.dat") / "inside");
    g.saveFiles.SaveGame("taken");
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
    g.saveFiles.SaveGame("game1");
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_EQ(Tree(), (std::set<std::string>{"data", "data/game1.dat", "data/" + live, "data/.kararion-notes.tmp"}));
}

}  // namespace
}  // namespace kararion
