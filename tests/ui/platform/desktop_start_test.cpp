// What the program settles with the desktop before the game starts: its
// options, the Qt platform in a Wayland session, the player's own folder for
// the saves, and Qt's own texts in Japanese.
#include <sys/stat.h>
#include <unistd.h>

#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "ui/platform/command_line.h"
#include "ui/platform/desktop_start.h"

using namespace kararion::ui;
namespace fs = std::filesystem;

namespace {

using Variables = std::map<std::string, std::string>;

Environment Env(const Variables& variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end()) return std::nullopt;
        return found->second;
    };
}

unsigned Mode(const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777U;
}

}  // namespace

Q_DECLARE_METATYPE(Variables)

class DesktopStartTest : public QObject {
    Q_OBJECT
private slots:
    void platform_data();
    void platform();
    void playerFolder();
    void options();
    void folderVerdicts();
    void playerFolderIsPrivateAndNeverAnother();
    void qtTextsAreJapanese();
};

void DesktopStartTest::platform_data() {
    QTest::addColumn<Variables>("env");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("chosen");  // empty: Qt's own choice
    const Variables x11{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}};
    const Variables wayland{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}};
    Variables waylandNoX = wayland;
    waylandNoX.erase("DISPLAY");
    Variables waylandEmptyX = wayland;
    waylandEmptyX["DISPLAY"] = "";
    Variables onlySessionType = wayland;
    onlySessionType.erase("WAYLAND_DISPLAY");
    Variables onlySocket = wayland;
    onlySocket.erase("XDG_SESSION_TYPE");
    Variables playerChose = wayland;
    playerChose["QT_QPA_PLATFORM"] = "wayland";
    const QStringList plain{"kararion"};

    QTest::newRow("X11 session") << x11 << plain << "";
    QTest::newRow("Wayland with XWayland") << wayland << plain << "xcb";
    QTest::newRow("Wayland by session type only") << onlySessionType << plain << "xcb";
    QTest::newRow("Wayland by socket only") << onlySocket << plain << "xcb";
    QTest::newRow("Wayland without X") << waylandNoX << plain << "";
    QTest::newRow("Wayland with an empty DISPLAY") << waylandEmptyX << plain << "";
    QTest::newRow("player's QT_QPA_PLATFORM") << playerChose << plain << "";
    QTest::newRow("-platform") << wayland << QStringList{"kararion", "-platform", "wayland"} << "";
    QTest::newRow("--platform") << wayland << QStringList{"kararion", "--platform", "wayland"} << "";
    QTest::newRow("a game option is no platform") << wayland << QStringList{"kararion", "--player-folder"} << "xcb";
}

void DesktopStartTest::platform() {
    QFETCH(Variables, env);
    QFETCH(QStringList, args);
    QFETCH(QString, chosen);
    std::vector<std::string> argv;
    for (const QString& arg : args) argv.push_back(arg.toStdString());
    QCOMPARE(QString::fromStdString(ChoosePlatform(Env(env), argv).value_or("")), chosen);
}

void DesktopStartTest::playerFolder() {
    const auto folder = [](const Variables& variables) {
        return QString::fromStdString(PlayerFolder(Env(variables)).value_or("(none)"));
    };
    QCOMPARE(folder({{"HOME", "/home/a"}, {"XDG_DATA_HOME", "/data/a"}}), "/data/a/kararion");
    QCOMPARE(folder({{"HOME", "/home/a"}}), "/home/a/.local/share/kararion");
    // The desktop's rules: an empty or relative XDG_DATA_HOME counts as unset.
    QCOMPARE(folder({{"HOME", "/home/a"}, {"XDG_DATA_HOME", ""}}), "/home/a/.local/share/kararion");
    QCOMPARE(folder({{"HOME", "/home/a"}, {"XDG_DATA_HOME", "share"}}), "/home/a/.local/share/kararion");
    QCOMPARE(folder({{"HOME", ""}}), "(none)");
    QCOMPARE(folder({}), "(none)");
}

void DesktopStartTest::options() {
    const auto read = [](const QStringList& args) { return ReadOptions(QStringList{"kararion"} + args, "9.8"); };
    using Then = Options::Then;
    // The game's own options, and Qt's, which the application takes later.
    Options plain = read({"--player-folder", "-platform", "xcb", "-style=fusion", "-reverse", "--style", "Fusion"});
    QCOMPARE(plain.then, Then::Play);
    QVERIFY(plain.playerFolder && !plain.printSaveFolder && !plain.printSoundFolder);
    QVERIFY(read({"--print-save-folder"}).printSaveFolder);

    const Options version = read({"--version"});
    QCOMPARE(version.then, Then::Print);
    QCOMPARE(QString::fromStdString(version.text), QStringLiteral("kararion 9.8\n"));
    const Options help = read({"--player-folder", "-h"});
    QCOMPARE(help.then, Then::Print);
    QVERIFY(QString::fromStdString(help.text).contains("--print-save-folder"));

    // A typo, a stranger and a stray word are errors, each with the usage line.
    for (const QStringList& wrong : {QStringList{"--player-foler"}, QStringList{"--bogus", "--player-folder"},
                                     QStringList{"-x"}, QStringList{"save1"}, QStringList{"-platform"},
                                     // Qt reads these only with the value as the next word.
                                     QStringList{"-platform=offscreen"}, QStringList{"--display=:1"}}) {
        const Options failed = read(wrong);
        QCOMPARE(failed.then, Then::Fail);
        const QString text = QString::fromStdString(failed.text);
        QVERIFY2(text.contains("usage: kararion") && text.startsWith("kararion: "), qPrintable(text));
    }
    QVERIFY(QString::fromStdString(read({"--player-foler"}).text).contains("unknown option: --player-foler\n"));
    QVERIFY(QString::fromStdString(read({"-platform=offscreen"}).text).contains(": -platform=offscreen\n"));
}

void DesktopStartTest::folderVerdicts() {
    using Kind = FolderFacts::Kind;
    constexpr unsigned me = 1000;
    QCOMPARE(JudgeFolder({Kind::Missing}, me), FolderVerdict::Make);
    QCOMPARE(JudgeFolder({Kind::Folder, me, 0700}, me), FolderVerdict::Use);
    // Made by an install or by hand, open to others: closed before a save goes in.
    QCOMPARE(JudgeFolder({Kind::Folder, me, 0755}, me), FolderVerdict::Tighten);
    QCOMPARE(JudgeFolder({Kind::Folder, me, 0707}, me), FolderVerdict::Tighten);
    // Another user's folder is never used, however open; root's is no exception.
    QCOMPARE(JudgeFolder({Kind::Folder, 1001, 0777}, me), FolderVerdict::OtherOwner);
    QCOMPARE(JudgeFolder({Kind::Folder, 0, 0700}, me), FolderVerdict::OtherOwner);
    QCOMPARE(JudgeFolder({Kind::Folder, me, 0700}, 0), FolderVerdict::OtherOwner);
    QCOMPARE(JudgeFolder({Kind::Folder, 0, 0700}, 0), FolderVerdict::Use);
    // The player's own, but closed to the player: not opened behind the player's back.
    QCOMPARE(JudgeFolder({Kind::Folder, me, 0500}, me), FolderVerdict::NotWritable);
    QCOMPARE(JudgeFolder({Kind::Folder, 0, 0555}, 0), FolderVerdict::NotWritable);
    QCOMPARE(JudgeFolder({Kind::NotAFolder, me, 0600}, me), FolderVerdict::NotAFolder);
    QCOMPARE(JudgeFolder({Kind::LinkToNothing}, me), FolderVerdict::LinkToNothing);
}

void DesktopStartTest::playerFolderIsPrivateAndNeverAnother() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const fs::path root = tmp.path().toStdString();
    const auto prepare = [](const fs::path& folder) {
        return QString::fromStdString(PreparePlayerFolder(folder.string()));
    };

    // A fresh account: not even the data home is there yet.
    const fs::path folder = root / "share" / "kararion";
    QCOMPARE(prepare(folder), QString());
    for (const fs::path& made : {root / "share", folder, folder / "data"}) QCOMPARE(Mode(made), 0700U);
    // Opened to others since (an install made it so): closed again, the saves kept.
    fs::permissions(folder, fs::perms(0755));
    fs::permissions(folder / "data", fs::perms(0750));
    std::ofstream(folder / "data" / "kept.dat") << "b<>";
    QCOMPARE(prepare(folder), QString());
    QCOMPARE(Mode(folder), 0700U);
    QCOMPARE(Mode(folder / "data"), 0700U);
    QVERIFY(fs::exists(folder / "data" / "kept.dat"));
    // Deleted under a running game: made again for the next save.
    fs::remove_all(folder);
    QCOMPARE(prepare(folder), QString());
    QCOMPARE(Mode(folder / "data"), 0700U);

    // Folders that cannot be used are said to be so, with the save folder's
    // path, and nothing is made in their place.
    const auto refused = [&](const fs::path& player, const char* why) {
        const QString problem = prepare(player);
        QVERIFY2(problem.startsWith(QStringLiteral("セーブ用のフォルダが使えません")), qPrintable(problem));
        QVERIFY2(problem.contains(QString::fromStdString((player / "data").string())), qPrintable(problem));
        QVERIFY2(problem.contains(QString::fromUtf8(why)), qPrintable(problem));
    };
    std::ofstream(root / "file") << "";  // XDG_DATA_HOME naming a file
    refused(root / "file" / "kararion", "フォルダではありません");
    fs::create_directories(root / "dangling" / "kararion");
    fs::create_directory_symlink(root / "nowhere", root / "dangling" / "kararion" / "data");
    refused(root / "dangling" / "kararion", "リンク先がありません");
    QVERIFY(!fs::exists(root / "nowhere"));
    fs::create_directory(root / "closed");
    fs::permissions(root / "closed", fs::perms(0500));
    refused(root / "closed", "書き込めません");
    QCOMPARE(Mode(root / "closed"), 0500U);
    refused(root / "closed", "書き込めません");
    QCOMPARE(QString::fromStdString(PreparePlayerFolder(std::nullopt)).contains("HOME"), true);
    // Someone else's folder: root can hand one over; others find one of root's.
    fs::path foreign = root / "foreign";
    if (::geteuid() == 0) {
        fs::create_directory(foreign);
        fs::permissions(foreign, fs::perms(0777));
        QCOMPARE(::chown(foreign.c_str(), 65534, 65534), 0);
    } else {
        fs::create_directory_symlink("/usr", foreign);
    }
    refused(foreign, "ほかのユーザー");
    QVERIFY(!fs::exists(foreign / "data"));
    fs::permissions(root / "closed", fs::perms(0700));
}

void DesktopStartTest::qtTextsAreJapanese() {
    QVERIFY2(LoadQtJapanese(), "Qt's Japanese translation (qt6-translations-l10n) is not installed");
    // The name field of the save dialog is a QLineEdit: its context menu.
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text().section('\t', 0, 0);  // less the key
    QVERIFY2(texts.contains(QStringLiteral("元に戻す(&U)")), qPrintable(texts.join(' ')));
    QVERIFY2(texts.contains(QStringLiteral("貼り付け(&P)")), qPrintable(texts.join(' ')));
    QVERIFY2(!texts.contains(QStringLiteral("&Undo")), qPrintable(texts.join(' ')));
}

QTEST_MAIN(DesktopStartTest)
#include "desktop_start_test.moc"
