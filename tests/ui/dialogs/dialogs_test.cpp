// The menu's dialogs: save and load with their list and name field, the
// version window, and the end of the program.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "save/save_file.h"
#include "ui/controls/controls.h"
#include "ui/dialogs/file_dialog.h"
#include "ui/platform/desktop_start.h"
#include "ui_game.h"
#include "version.h"

using namespace kararion;
using namespace kararion::ui;

namespace {

CaptionLabel* Label(QWidget* window, const char* name) { return Control<CaptionLabel>(window, name); }

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x\n");
}

QListWidgetItem* Item(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

QPoint ItemInWindow(QListWidget* list, QListWidgetItem* item) {
    return InWindow(list->viewport(), list->visualItemRect(item).center());
}

void ClickItem(QListWidget* list, QListWidgetItem* item) { ClickAt(list->window(), ItemInWindow(list, item)); }

// What the player saw in a dialog, gathered while it was open.
struct Seen {
    QString title;
    QString name;
    QString focus;
    QStringList files;
    QString afterPick;
    QString afterDoublePick;
    int picksOnDoubleClick = -1;
    int beepsOnEmptyName = -1;
    int messagesOnEmptyName = -1;
    bool openAfterAction = false;
    int filesAfterAction = -1;
};

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveDialogPicksTypesAndSaves();
    void saveDialogStartsAfreshEachOpening();
    void loadDialogListsFirstAndLoads();
    void aNameThatIsNotUtf8IsListedPickedAndLoaded();
    void thePlayersFolderOrNone();
    void versionWindowTellsWhoMadeIt();
    void endedStopsEverythingAtOnce();

private:
    QTemporaryDir dir_;
    QString DataDir() const { return dir_.path() + QStringLiteral("/"); }
};

void DialogsTest::init() {
    QVERIFY(dir_.isValid());
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files)) QFile::remove(dir_.filePath(name));
    Touch(dir_.filePath(QStringLiteral("game1.dat")));
    Touch(dir_.filePath(QStringLiteral("a.b.dat")));
    Touch(dir_.filePath(QStringLiteral("notes.txt")));
}

void DialogsTest::saveDialogPicksTypesAndSaves() {
    UiGame game;
    game.g().SetSaveFolder(DataDir().toStdString());
    Seen seen;
    WhenModal([&](QWidget* dialog) {
        seen.title = dialog->windowTitle();
        auto* name = Control<QLineEdit>(dialog, "FileName");
        auto* list = Control<QListWidget>(dialog, "File1");
        seen.name = name->text();
        seen.focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        for (int i = 0; i < list->count(); ++i) seen.files << list->item(i)->text();

        ClickItem(list, Item(list, QStringLiteral("a.b.dat")));
        seen.afterPick = QString::fromStdString(game.g().saveDialog().FileName());

        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("zz"));
        QSignalSpy picks(list, &QListWidget::itemClicked);
        QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           ItemInWindow(list, Item(list, QStringLiteral("game1.dat"))));
        seen.afterDoublePick = name->text();
        seen.picksOnDoubleClick = static_cast<int>(picks.count());

        // Emptied by typing: the action only beeps.
        name->setFocus();
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        const int beeps = game.fx.beeps;
        const int messages = game.fx.messages;
        Click(Label(dialog, "Save"));
        seen.beepsOnEmptyName = game.fx.beeps - beeps;
        seen.messagesOnEmptyName = game.fx.messages - messages;

        QTest::keyClicks(name, QStringLiteral("mine"));
        Click(Label(dialog, "Save"));
        seen.openAfterAction = dialog->isVisible();
        seen.filesAfterAction = list->count();
        Click(Label(dialog, "Cancel"));
    });
    Click(Label(game.menu(), "Save"));

    QCOMPARE(seen.title, QStringLiteral(" - セ ー ブ -"));
    QCOMPARE(seen.name, QStringLiteral("NewData"));
    QCOMPARE(seen.focus, QStringLiteral("FileName"));
    QCOMPARE(seen.files, QStringList({QStringLiteral("a.b.dat"), QStringLiteral("game1.dat")}));
    QCOMPARE(seen.afterPick, QStringLiteral("a.b"));
    QCOMPARE(seen.afterDoublePick, QStringLiteral("game1"));
    QCOMPARE(seen.picksOnDoubleClick, 1);  // a double click on a file is its first click only
    QCOMPARE(seen.beepsOnEmptyName, 1);
    QCOMPARE(seen.messagesOnEmptyName, 0);
    // The save went through and said so; the dialog stayed, its list as it was.
    QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("mine.dat"))));
    QCOMPARE(game.fx.events.back().title, std::string("完了"));
    QVERIFY(seen.openAfterAction);
    QCOMPARE(seen.filesAfterAction, 2);
    QVERIFY(!game.windows.saveDialog()->isVisible());
}

void DialogsTest::saveDialogStartsAfreshEachOpening() {
    UiGame game;
    game.g().SetSaveFolder(DataDir().toStdString());
    QString second;
    QStringList secondFiles;
    Hover(Label(game.menu(), "Save"));
    QCOMPARE(Label(game.menu(), "Save")->colour(), kRed);
    WhenModal([&](QWidget* dialog) {
        auto* name = Control<QLineEdit>(dialog, "FileName");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("typed"));
        Touch(dir_.filePath(QStringLiteral("later.dat")));
        Hover(Label(dialog, "Cancel"));
        Click(Label(dialog, "Cancel"));
    });
    Click(Label(game.menu(), "Save"));
    QCOMPARE(game.g().saveDialog().FileName(), std::string("typed"));
    FileDialog* first = game.windows.saveDialog();
    // The entry that opened it is not left red behind it.
    QCOMPARE(Label(game.menu(), "Save")->colour(), kBlack);

    Colour cancelAtOpen = kRed;
    Colour saveAtOpen = kRed;
    WhenModal([&](QWidget* dialog) {
        cancelAtOpen = Label(dialog, "Cancel")->colour();
        saveAtOpen = Label(dialog, "Save")->colour();
        second = Control<QLineEdit>(dialog, "FileName")->text();
        auto* list = Control<QListWidget>(dialog, "File1");
        for (int i = 0; i < list->count(); ++i) secondFiles << list->item(i)->text();
        Click(Label(dialog, "Cancel"));
    });
    Click(Label(game.menu(), "Save"));
    QCOMPARE(second, QStringLiteral("NewData"));
    QCOMPARE(cancelAtOpen, kBlack);  // red from the click that closed it last time
    QCOMPARE(saveAtOpen, kBlack);
    QVERIFY(secondFiles.contains(QStringLiteral("later.dat")));
    QCOMPARE(game.windows.saveDialog(), first);  // created once, loaded anew
}

void DialogsTest::loadDialogListsFirstAndLoads() {
    UiGame game;
    game.g().SetSaveFolder(DataDir().toStdString());
    Seen seen;
    WhenModal([&](QWidget* dialog) {
        seen.title = dialog->windowTitle();
        seen.name = Control<QLineEdit>(dialog, "FileName")->text();
        seen.focus = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
        // Hover colours of the two text buttons.
        Hover(Label(dialog, "Loaded"));
        Hover(Label(dialog, "Cancel"));
        seen.afterPick = QString::fromStdString(testing::ColourName(Label(dialog, "Loaded")->colour()) + "," +
                                                testing::ColourName(Label(dialog, "Cancel")->colour()));
        // No file picked: the name "NewData" goes to the load, which finds no file.
        const int messages = game.fx.messages;
        Click(Label(dialog, "Loaded"));
        seen.messagesOnEmptyName = game.fx.messages - messages;
        seen.openAfterAction = dialog->isVisible();
        Click(Label(dialog, "Cancel"));
    });
    Click(Label(game.menu(), "Loading"));
    QCOMPARE(seen.title, QStringLiteral(" - ロ ー ド -"));
    QCOMPARE(seen.name, QStringLiteral("NewData"));
    QCOMPARE(seen.focus, QStringLiteral("File1"));
    QCOMPARE(seen.afterPick, QStringLiteral("black,red"));
    QCOMPARE(seen.messagesOnEmptyName, 1);
    QCOMPARE(game.fx.events.back().title, std::string("エラー"));
    QVERIFY(seen.openAfterAction);
}

// File names are bytes: one that is not UTF-8 must come back from the list
// to the file system as it was, or the list offers a save that cannot be had.
void DialogsTest::aNameThatIsNotUtf8IsListedPickedAndLoaded() {
    UiGame game;
    game.g().SetSaveFolder(DataDir().toStdString());
    const std::string name = "bad\xff\xfeutf";
    game.Setup().SetCoins(77);
    SaveAs(game.g(), name);
    game.Setup().SetCoins(1);
    game.fx.Clear();
    int listed = -1;
    std::string picked;
    WhenModal([&](QWidget* dialog) {
        auto* list = Control<QListWidget>(dialog, "File1");
        listed = list->count();
        QListWidgetItem* item = Item(list, QFile::decodeName(QByteArray::fromStdString(name + ".dat")));
        QVERIFY(item != nullptr);
        ClickItem(list, item);
        picked = game.g().loadDialog().FileName();
        Click(Label(dialog, "Loaded"));
        Click(Label(dialog, "Cancel"));
    });
    Click(Label(game.menu(), "Loading"));
    ::unlink((game.g().saveFiles().DataDir() + name + ".dat").c_str());  // a name QDir cannot clear away
    QCOMPARE(listed, 3);
    QCOMPARE(picked, name);
    QCOMPARE(game.fx.Messages(), std::vector<std::string>{"ロードしました。"});
    QCOMPARE(game.g().counters().Coin(), Count{77});
}

// As the program plays in the player's own folder: the saves go there and
// nowhere else. A folder that cannot be used is said to be so, with its path,
// instead of the dialog; one deleted under the game is made again.
void DialogsTest::thePlayersFolderOrNone() {
    namespace fs = std::filesystem;
    const fs::path root = dir_.path().toStdString();
    const auto mode = [](const fs::path& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777U : 0U;
    };
    UiGame game;
    fs::path folder = root / "game1.dat" / "kararion";  // XDG_DATA_HOME naming a file
    game.g().SetSaveFolder((folder / "data").string() + "/");
    game.windows.SetSaveFolderCheck([&folder] { return PreparePlayerFolder(folder.string()); });
    for (const char* entry : {"Save", "Loading"}) {
        WhenModal([](QWidget*) { QFAIL("a dialog opened on a folder that cannot be used"); });
        Click(Label(game.menu(), entry));
        QCoreApplication::processEvents();  // the watch above ends here when nothing opened
        const auto& said = game.fx.events.back();
        QCOMPARE(said.title, std::string("エラー"));
        QVERIFY2(said.text.starts_with("セーブ用のフォルダが使えません") &&
                     said.text.find((folder / "data").string()) != std::string::npos,
                 said.text.c_str());
    }
    QVERIFY(game.windows.saveDialog() == nullptr && game.windows.loadDialog() == nullptr);

    folder = root / "own" / "kararion";
    QVERIFY(PreparePlayerFolder(folder.string()).empty());
    game.g().SetSaveFolder((folder / "data").string() + "/");
    bool remade = false;
    WhenModal([&](QWidget* dialog) {
        fs::remove_all(folder);  // the player tidies up while the game runs
        auto* name = Control<QLineEdit>(dialog, "FileName");
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("mine"));
        Click(Label(dialog, "Save"));
        remade = fs::exists(folder / "data" / "mine.dat");
        Click(Label(dialog, "Cancel"));
    });
    Click(Label(game.menu(), "Save"));
    QVERIFY(remade);
    QCOMPARE(game.fx.events.back().title, std::string("完了"));
    QCOMPARE(mode(folder), 0700U);
    QCOMPARE(mode(folder / "data"), 0700U);
    QCOMPARE(mode(folder / "data" / "mine.dat"), 0600U);
}

void DialogsTest::versionWindowTellsWhoMadeIt() {
    UiGame game;
    QString title;
    QStringList labels;
    QString text;
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        for (int i = 0; i < 4; ++i)
            labels << Control<QLabel>(dialog, qPrintable(QStringLiteral("Label1(%1)").arg(i)))->text();
        text = Control<QPlainTextEdit>(dialog, "Text1")->toPlainText();
        QVERIFY(Control(dialog, "Image1") != nullptr);
        dialog->close();
    });
    Click(Label(game.menu(), "Version"));
    QCOMPARE(title, QStringLiteral(" - バ ー ジ ョ ン 情 報 - "));
    QCOMPARE(labels.value(0), QStringLiteral("製品名：カラリオン"));
    // The version is the project's; the package's changelog is held to the same one.
    QCOMPARE(labels.value(1), QStringLiteral("バージョン：") + QString::fromLatin1(kVersion));
    QVERIFY(QString::fromLatin1(kVersion).contains(QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]+$"))));
    QVERIFY(labels.value(2).startsWith(QStringLiteral("開発者：")) && labels.value(2).size() > 4);
    QCOMPARE(labels.value(3), QStringLiteral("完成日：07/06/26"));
    QVERIFY(text.trimmed().endsWith(QStringLiteral("https://kararion.example.com/")));
}

void DialogsTest::endedStopsEverythingAtOnce() {
    UiGame game;
    Click(Label(game.info(), "BetUp"));
    Click(Label(game.menu(), "Start"));
    QVERIFY(game.g().reels().ReelTimer(2).Enabled());
    const int messages = game.fx.messages;
    Click(Label(game.menu(), "Ended"));
    QCOMPARE(game.ends, 1);
    QCOMPARE(game.fx.messages, messages);  // no question asked
    for (const GameTimer* timer : AllTimers(game.g())) QVERIFY(!timer->Enabled());
    QVERIFY(!game.main()->isVisible());
    QVERIFY(!game.menu()->isVisible());
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
