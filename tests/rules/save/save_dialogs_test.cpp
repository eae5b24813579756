#include "save/dialog_rules.h"
#include "support/save_support.h"

namespace kararion {
namespace {

using Strings = std::vector<std::string>;

class SaveDialogs : public testing::SaveTest {};

TEST_F(SaveDialogs, EveryOpeningStartsWithNewDataAndAFreshSortedList) {
    for (const char* file : {"zeta.dat", "a.b.dat", "Game1.dat", "notes.txt", "UPPER.DAT", ".hidden.dat"})
        Write(Data(file), "");
    std::filesystem::create_directory(Data("folder.dat"));

    g.saveDialog.Open();
    EXPECT_EQ(g.saveDialog.FileName, "NewData");
    EXPECT_EQ(g.saveDialog.files, (Strings{"Game1.dat", "a.b.dat", "zeta.dat"}));

    g.loadDialog.FileName = "typed before";
    g.loadDialog.PickFile("zeta.dat");
    EXPECT_EQ(g.loadDialog.FileName, "zeta");
    g.loadDialog.Open();
    EXPECT_EQ(g.loadDialog.FileName, "NewData");
    EXPECT_EQ(g.loadDialog.files, g.saveDialog.files);

    g.saveFiles.dataDir = (root / "missing" / "").string();  // no data folder: an empty list, no failure
    g.saveDialog.Open();
    EXPECT_TRUE(g.saveDialog.files.empty());
    EXPECT_EQ(g.saveDialog.FileName, "NewData");
}

TEST_F(SaveDialogs, APickedDottedNameIsThatSaveNotAnother) {
    // Only the final ".dat" is the extension: picking "my.game.dat" must
    // neither overwrite "my.dat" nor load it.
    Write(Data("my.dat"), "someone else's");
    g.saveDialog.Open();
    g.saveDialog.PickFile("my.game.dat");
    EXPECT_EQ(g.saveDialog.FileName, "my.game");
    g.saveDialog.ClickSave();
    EXPECT_EQ(Read(Data("my.dat")), "someone else's");
    EXPECT_TRUE(std::filesystem::exists(Data("my.game.dat")));
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_EQ(g.saveDialog.files, Strings{"my.dat"});  // the list waits for the next opening
    g.saveDialog.Open();
    EXPECT_EQ(g.saveDialog.files, (Strings{"my.dat", "my.game.dat"}));

    g.counters.Coin = "1";
    g.loadDialog.Open();
    g.loadDialog.PickFile("my.game.dat");
    g.loadDialog.ClickLoad();
    EXPECT_EQ(fx.Messages().back(), "ロードしました。");
    EXPECT_EQ(g.counters.Coin, "100");
}

TEST_F(SaveDialogs, AnEmptyNameOnlyBeeps) {
    const auto before = Tree();
    g.saveDialog.FileName.clear();
    g.saveDialog.ClickSave();
    g.loadDialog.FileName.clear();
    g.loadDialog.ClickLoad();
    EXPECT_EQ(fx.beeps, 2);
    EXPECT_EQ(fx.events.size(), 2u);  // no message, no sound
    EXPECT_EQ(Tree(), before);
}

TEST_F(SaveDialogs, LoadingWithoutPickingUsesNewData) {
    g.loadDialog.Open();
    g.loadDialog.ClickLoad();  // nothing saved yet
    EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"});
    EXPECT_EQ(g.counters.Coin, "100");

    g.counters.Coin = "77";
    g.saveDialog.Open();
    g.saveDialog.ClickSave();
    g.counters.Coin = "1";
    g.loadDialog.Open();
    g.loadDialog.ClickLoad();
    EXPECT_EQ(g.counters.Coin, "77");
    EXPECT_EQ(fx.Messages().back(), "ロードしました。");
}

TEST_F(SaveDialogs, OnlyTheTextButtonUnderThePointerIsRed) {
    struct Hover {
        save::FileDialogRules& dialog;
        std::function<void()> action;
    };
    for (const Hover& h : {Hover{g.saveDialog, [&] { g.saveDialog.HoverSave(); }},
                           Hover{g.loadDialog, [&] { g.loadDialog.HoverLoad(); }}}) {
        h.action();
        EXPECT_EQ(h.dialog.Action.foreColor, kRed);
        EXPECT_EQ(h.dialog.Cancel.foreColor, kBlack);
        h.dialog.HoverCancel();  // straight from one button onto the other
        EXPECT_EQ(h.dialog.Action.foreColor, kBlack);
        EXPECT_EQ(h.dialog.Cancel.foreColor, kRed);
        h.dialog.HoverBackground();
        EXPECT_EQ(h.dialog.Action.foreColor, kBlack);
        EXPECT_EQ(h.dialog.Cancel.foreColor, kBlack);
    }
}

}  // namespace
}  // namespace kararion
