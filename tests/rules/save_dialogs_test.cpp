#include "save/file_dialogs.h"
#include "save_support.h"

namespace kararion {
namespace {

using Strings = std::vector<std::string>;

class SaveDialogs : public testing::SaveTest {};

TEST_F(SaveDialogs, EveryOpeningStartsWithNewDataAndAFreshSortedList) {
    for (const char* file : {"zeta.dat", "a.b.dat", "Game1.dat", "notes.txt", "UPPER.DAT", ".hidden.dat"})
        Write(Data(file), "");
    std::filesystem::create_directory(Data("folder.dat"));

    Form2::Form_Load(g);
    EXPECT_EQ(g.form2.FileName, "NewData");
    EXPECT_EQ(g.form2.files, (Strings{"Game1.dat", "a.b.dat", "zeta.dat"}));

    g.form3.FileName = "typed before";
    Form3::File1_Click(g, "zeta.dat");
    EXPECT_EQ(g.form3.FileName, "zeta");
    Form3::Form_Load(g);
    EXPECT_EQ(g.form3.FileName, "NewData");
    EXPECT_EQ(g.form3.files, g.form2.files);

    g.dataDir = (root / "missing" / "").string();  // no data folder: an empty list, no failure
    Form2::Form_Load(g);
    EXPECT_TRUE(g.form2.files.empty());
    EXPECT_EQ(g.form2.FileName, "NewData");
}

TEST_F(SaveDialogs, APickedNameEndsAtItsFirstDotAndSavesUnderIt) {
    Form2::Form_Load(g);
    Form2::File1_Click(g, "a.b.dat");
    EXPECT_EQ(g.form2.FileName, "a");
    Form2::Save_Click(g);
    EXPECT_TRUE(std::filesystem::exists(Data("a.dat")));
    EXPECT_EQ(fx.Messages(), Strings{"セーブしました。"});
    EXPECT_TRUE(g.form2.files.empty());  // the list waits for the next opening
    Form2::Form_Load(g);
    EXPECT_EQ(g.form2.files, Strings{"a.dat"});
}

TEST_F(SaveDialogs, AnEmptyNameOnlyBeeps) {
    const auto before = Tree();
    g.form2.FileName.clear();
    Form2::Save_Click(g);
    g.form3.FileName.clear();
    Form3::Loaded_Click(g);
    EXPECT_EQ(fx.beeps, 2);
    EXPECT_EQ(fx.events.size(), 2u);  // no message, no sound
    EXPECT_EQ(Tree(), before);
}

TEST_F(SaveDialogs, LoadingWithoutPickingUsesNewData) {
    Form3::Form_Load(g);
    Form3::Loaded_Click(g);  // nothing saved yet
    EXPECT_EQ(fx.Messages(), Strings{"ロード出来ませんでした。"});
    EXPECT_EQ(g.form6.Coin, "100");

    g.form6.Coin = "77";
    Form2::Form_Load(g);
    Form2::Save_Click(g);
    g.form6.Coin = "1";
    Form3::Form_Load(g);
    Form3::Loaded_Click(g);
    EXPECT_EQ(g.form6.Coin, "77");
    EXPECT_EQ(fx.Messages().back(), "ロードしました。");
}

TEST_F(SaveDialogs, OnlyTheTextButtonUnderThePointerIsRed) {
    struct Hover {
        SaveDialogState& dialog;
        void (*action)(Game&);
        void (*cancel)(Game&);
        void (*background)(Game&);
    };
    for (const Hover& h : {Hover{g.form2, Form2::Save_MouseMove, Form2::Cancel_MouseMove, Form2::Form_MouseMove},
                           Hover{g.form3, Form3::Loaded_MouseMove, Form3::Cancel_MouseMove, Form3::Form_MouseMove}}) {
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
