#include "core/tuning.h"
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

    g.OpenDialog(machine::FileDialogKind::Save);
    EXPECT_EQ(g.saveDialog().FileName(), "NewData");
    EXPECT_EQ(g.saveDialog().Files(), (Strings{"Game1.dat", "a.b.dat", "zeta.dat"}));

    g.TypeName(machine::FileDialogKind::Load, "typed before");
    g.PickFile(machine::FileDialogKind::Load, "zeta.dat");
    EXPECT_EQ(g.loadDialog().FileName(), "zeta");
    g.OpenDialog(machine::FileDialogKind::Load);
    EXPECT_EQ(g.loadDialog().FileName(), "NewData");
    EXPECT_EQ(g.loadDialog().Files(), g.saveDialog().Files());

    g.SetSaveFolder((root / "missing" / "").string());  // no data folder: an empty list, no failure
    g.OpenDialog(machine::FileDialogKind::Save);
    EXPECT_TRUE(g.saveDialog().Files().empty());
    EXPECT_EQ(g.saveDialog().FileName(), "NewData");
}

TEST_F(SaveDialogs, APickedDottedNameIsThatSaveNotAnother) {
    // Only the final ".dat" is the extension: picking "my.game.dat" must
    // neither overwrite "my.dat" nor load it.
    Write(Data("my.dat"), "someone else's");
    g.OpenDialog(machine::FileDialogKind::Save);
    g.PickFile(machine::FileDialogKind::Save, "my.game.dat");
    EXPECT_EQ(g.saveDialog().FileName(), "my.game");
    g.ClickDialogAction(machine::FileDialogKind::Save);
    EXPECT_EQ(Read(Data("my.dat")), "someone else's");
    EXPECT_TRUE(std::filesystem::exists(Data("my.game.dat")));
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_EQ(g.saveDialog().Files(), Strings{"my.dat"});  // the list waits for the next opening
    g.OpenDialog(machine::FileDialogKind::Save);
    EXPECT_EQ(g.saveDialog().Files(), (Strings{"my.dat", "my.game.dat"}));

    m.Setup().SetCoins(1);
    g.OpenDialog(machine::FileDialogKind::Load);
    g.PickFile(machine::FileDialogKind::Load, "my.game.dat");
    g.ClickDialogAction(machine::FileDialogKind::Load);
    EXPECT_EQ(fx.Messages().back(), "ロードしました。");
    EXPECT_EQ(g.counters().Coin(), tuning::kStartCoins);
}

TEST_F(SaveDialogs, AnEmptyNameOnlyBeeps) {
    const auto before = Tree();
    g.TypeName(machine::FileDialogKind::Save, "");
    g.ClickDialogAction(machine::FileDialogKind::Save);
    g.TypeName(machine::FileDialogKind::Load, "");
    g.ClickDialogAction(machine::FileDialogKind::Load);
    EXPECT_EQ(fx.beeps, 2);
    EXPECT_EQ(fx.events.size(), 2u);  // no message, no sound
    EXPECT_EQ(Tree(), before);
}

TEST_F(SaveDialogs, LoadingWithoutPickingUsesNewData) {
    g.OpenDialog(machine::FileDialogKind::Load);
    g.ClickDialogAction(machine::FileDialogKind::Load);  // nothing saved yet
    EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"});
    EXPECT_EQ(g.counters().Coin(), tuning::kStartCoins);

    m.Setup().SetCoins(77);
    g.OpenDialog(machine::FileDialogKind::Save);
    g.ClickDialogAction(machine::FileDialogKind::Save);
    m.Setup().SetCoins(1);
    g.OpenDialog(machine::FileDialogKind::Load);
    g.ClickDialogAction(machine::FileDialogKind::Load);
    EXPECT_EQ(g.counters().Coin(), 77);
    EXPECT_EQ(fx.Messages().back(), "ロードしました。");
}

TEST_F(SaveDialogs, OnlyTheTextButtonUnderThePointerIsRed) {
    for (const machine::FileDialogKind kind : {machine::FileDialogKind::Save, machine::FileDialogKind::Load}) {
        const save::FileDialogRules& dialog = g.fileDialog(kind);
        g.HoverDialogAction(kind);
        EXPECT_EQ(dialog.Action().foreColor, kRed);
        EXPECT_EQ(dialog.Cancel().foreColor, kBlack);
        g.HoverCancel(kind);  // straight from one button onto the other
        EXPECT_EQ(dialog.Action().foreColor, kBlack);
        EXPECT_EQ(dialog.Cancel().foreColor, kRed);
        g.HoverDialogBackground(kind);
        EXPECT_EQ(dialog.Action().foreColor, kBlack);
        EXPECT_EQ(dialog.Cancel().foreColor, kBlack);
    }
}

}  // namespace
}  // namespace kararion
