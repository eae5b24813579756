// What the program settles with the desktop before the game starts: the Qt
// platform in a Wayland session, the player's own folder for the saves, and
// Qt's own texts in Japanese.
#include <sys/stat.h>

#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

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
    void saveFoldersAreMadePrivate();
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

void DesktopStartTest::saveFoldersAreMadePrivate() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const fs::path root = tmp.path().toStdString();

    // A fresh account: not even the data home is there yet.
    const fs::path folder = root / "share" / "kararion";
    QCOMPARE(QString::fromStdString(MakeSaveFolders(folder.string())), QString());
    for (const fs::path& made : {root / "share", folder, folder / "data"}) QCOMPARE(Mode(made), 0700U);
    // The next start finds them and leaves the player's own choices alone.
    fs::permissions(folder / "data", fs::perms(0750));
    std::ofstream(folder / "data" / "kept.dat") << "b<>";
    QCOMPARE(QString::fromStdString(MakeSaveFolders(folder.string())), QString());
    QCOMPARE(Mode(folder / "data"), 0750U);
    QVERIFY(fs::exists(folder / "data" / "kept.dat"));

    // A file where a folder should be is reported, not taken for a folder.
    std::ofstream(root / "blocked") << "";
    const std::string error = MakeSaveFolders((root / "blocked" / "kararion").string());
    QVERIFY2(QString::fromStdString(error).contains("blocked"), error.c_str());
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
