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

    save_dialog::Open(g);
    EXPECT_EQ(g.saveDialog.FileName, "NewData");
    EXPECT_EQ(g.saveDialog.files, (Strings{"Game1.dat", "a.b.dat", "zeta.dat"}));

    g.loadDialog.FileName = "typed before";
    load_dialog::PickFile(g, "zeta.dat");
    EXPECT_EQ(g.loadDialog.FileName, "zeta");
    load_dialog::Open(g);
    EXPECT_EQ(g.loadDialog.FileName, "NewData");
    EXPECT_EQ(g.loadDialog.files, g.saveDialog.files);

    g.dataDir = (root / "missing" / "").string();  // no data folder: an empty list, no failure
    save_dialog::Open(g);
    EXPECT_TRUE(g.saveDialog.files.empty());
    EXPECT_EQ(g.saveDialog.FileName, "NewData");
}

TEST_F(SaveDialogs, APickedNameEndsAtItsFirstDotAndSavesUnderIt) {
    save_dialog::Open(g);
    save_dialog::PickFile(g, "a.b.dat");
    EXPECT_EQ(g.saveDialog.FileName, "a");
    save_dialog::ClickSave(g);
    EXPECT_TRUE(std::filesystem::exists(Data("a.dat")));
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_TRUE(g.saveDialog.files.empty());  // the list waits for the next opening
    save_dialog::Open(g);
    EXPECT_EQ(g.saveDialog.files, Strings{"a.dat"});
}

TEST_F(SaveDialogs, AnEmptyNameOnlyBeeps) {
    const auto before = Tree();
    g.saveDialog.FileName.clear();
    save_dialog::ClickSave(g);
    g.loadDialog.FileName.clear();
    load_dialog::ClickLoad(g);
    EXPECT_EQ(fx.beeps, 2);
    EXPECT_EQ(fx.events.size(), 2u);  // no message, no sound
    EXPECT_EQ(Tree(), before);
}

TEST_F(SaveDialogs, LoadingWithoutPickingUsesNewData) {
    load_dialog::Open(g);
    load_dialog::ClickLoad(g);  // nothing saved yet
    EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"});
    EXPECT_EQ(g.info.Coin, "100");

    g.info.Coin = "77";
    save_dialog::Open(g);
    save_dialog::ClickSave(g);
    g.info.Coin = "1";
    load_dialog::Open(g);
    load_dialog::ClickLoad(g);
    EXPECT_EQ(g.info.Coin, "77");
    EXPECT_EQ(fx.Messages().back(), "ロードしました。");
}

TEST_F(SaveDialogs, OnlyTheTextButtonUnderThePointerIsRed) {
    struct Hover {
        FileDialogState& dialog;
        void (*action)(Game&);
        void (*cancel)(Game&);
        void (*background)(Game&);
    };
    for (const Hover& h :
         {Hover{g.saveDialog, save_dialog::HoverSave, save_dialog::HoverCancel, save_dialog::HoverBackground},
          Hover{g.loadDialog, load_dialog::HoverLoad, load_dialog::HoverCancel, load_dialog::HoverBackground}}) {
        h.action(g);
        EXPECT_EQ(h.dialog.Action.foreColor, kRed);
        EXPECT_EQ(h.dialog.Cancel.foreColor, kBlack);
        h.cancel(g);  // straight from one button onto the other
        EXPECT_EQ(h.dialog.Action.foreColor, kBlack);
        EXPECT_EQ(h.dialog.Cancel.foreColor, kRed);
        h.background(g);
        EXPECT_EQ(h.dialog.Action.foreColor, kBlack);
        EXPECT_EQ(h.dialog.Cancel.foreColor, kBlack);
    }
}

}  // namespace
}  // namespace kararion
