#include "ui/platform/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <algorithm>
#include <iterator>

namespace kararion::ui {
namespace {

const char* const kUsage =
    "使い方 / usage: kararion [--player-folder] [--print-save-folder] [--print-sound-folder] [--help] [--version] "
    "[Qt のオプション / Qt options]\n";

// The options QGuiApplication, QApplication and the X11 platform take for
// themselves, with one dash or two; those taking a value take the next word.
const char* const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "qwindowgeometry", "qwindowicon",
                                       "qwindowtitle",    "session",
                                       "display",         "name",
                                       "title",           "visual",
                                       "geometry",        "style",
                                       "stylesheet",      "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
// Of those, the ones Qt also reads as "-name=value"; the others it takes only
// with the value as the next word, and passes "-platform=xcb" by unread.
const char* const kQtEqualsOptions[] = {"style", "stylesheet", "qmljsdebugger"};

// The first of Qt's options written "-name=value" where Qt would not read it
// so; empty when there is none. The parser takes that form for every option.
QString UnreadByQt(const QStringList& arguments) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QStringLiteral("--")) break;
        if (!argument.startsWith('-') || !argument.contains('=')) continue;
        QString name = argument.section('=', 0, 0);
        name.remove(0, name.startsWith(QStringLiteral("--")) ? 2 : 1);
        const auto named = [&name](const char* option) { return name == QLatin1String(option); };
        if (std::any_of(std::begin(kQtValueOptions), std::end(kQtValueOptions), named) &&
            std::none_of(std::begin(kQtEqualsOptions), std::end(kQtEqualsOptions), named))
            return argument;
    }
    return QString();
}

// The parser names an option without its dashes; the player sees it as typed.
QString AsTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section('=', 0, 0);
        if (bare == "-" + name || bare == "--" + name) return bare;
    }
    return name;
}

Options Fail(const QString& what) {
    Options failed;
    failed.then = Options::Then::Fail;
    failed.text = "kararion: " + what.toStdString() + "\n" + kUsage;
    return failed;
}

}  // namespace

Options ReadOptions(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    // "-platform xcb" is one option with its value, as Qt reads it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("カラリオン (Kararion): a slot machine with three reels."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the version and end."));
    const QCommandLineOption playerFolder(
        QStringLiteral("player-folder"),
        QStringLiteral("Save in the player's own folder, data/ under $XDG_DATA_HOME/kararion "
                       "(~/.local/share/kararion), made private to the player when missing; a folder that cannot "
                       "be used is never replaced by another. The desktop entry starts the game so; otherwise the "
                       "saves go to data/ under the working folder, which must exist."));
    const QCommandLineOption printSaveFolder(
        QStringLiteral("print-save-folder"),
        QStringLiteral("Print the folder the saves go to and end, without opening a window or making a folder."));
    const QCommandLineOption printSoundFolder(
        QStringLiteral("print-sound-folder"),
        QStringLiteral("Print the folder the sounds are played from and end, without opening a window; "
                       "end with status 1 when no folder has them."));
    for (const QCommandLineOption& option : {help, showVersion, playerFolder, printSaveFolder, printSoundFolder})
        parser.addOption(option);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments)) {
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            return Fail(QStringLiteral("知らないオプションです / unknown option: ") +
                        AsTyped(arguments, unknown.front()));
        }
        return Fail(QStringLiteral("オプションが正しくありません / ") + parser.errorText());
    }
    if (const QString unread = UnreadByQt(arguments); !unread.isEmpty()) {
        return Fail(QStringLiteral("Qt のオプションは値を次の語に書きます / write Qt's option with its value as the "
                                   "next word: ") +
                    unread);
    }
    if (!parser.positionalArguments().isEmpty())
        return Fail(QStringLiteral("余分な引数です / unexpected argument: ") + parser.positionalArguments().join(' '));

    Options options;
    if (parser.isSet(help)) {
        options.then = Options::Then::Print;
        options.text = parser.helpText().toStdString() +
                       "\nQt's own options (-platform, -style, -reverse ...) are taken as by any Qt program.\n";
        return options;
    }
    if (parser.isSet(showVersion)) {
        options.then = Options::Then::Print;
        options.text = "kararion " + version.toStdString() + "\n";
        return options;
    }
    options.playerFolder = parser.isSet(playerFolder);
    options.printSaveFolder = parser.isSet(printSaveFolder);
    options.printSoundFolder = parser.isSet(printSoundFolder);
    return options;
}

}  // namespace kararion::ui
