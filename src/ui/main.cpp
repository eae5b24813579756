#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <optional>
#include <string>

#include "sound/sound_folder.h"
#include "ui/real_game.h"

namespace {

// The folder whose data/se the sounds are played from: beside the program
// first (the build puts them there), then the installed data folder, which
// lies at a fixed place relative to the program wherever it is installed.
std::optional<std::string> SoundBase(const std::string& programDir) {
    using namespace kararion::sound;
    return ChooseSoundBase(programDir, InstalledDataDir(programDir, KARARION_DATA_FROM_PROGRAM));
}

// Answers the options that only print something, before any display is
// opened. Returns the exit status when the program should end here.
std::optional<int> AnswerPrintingOptions(int& argc, char* argv[]) {
    QCoreApplication cli(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("カラリオン (Kararion): a slot machine with three reels."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    parser.addOption(help);
    const QCommandLineOption printSoundFolder(
        QStringLiteral("print-sound-folder"),
        QStringLiteral("Print the folder the sounds are played from and end, without opening a window; "
                       "end with status 1 when no folder has them."));
    parser.addOption(printSoundFolder);
    // Qt's own options (-platform, -style, ...) are left to the application.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) parser.showHelp(0);
    if (!parser.isSet(printSoundFolder)) return std::nullopt;

    const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
    if (const auto base = SoundBase(programDir)) {
        std::printf("%s/data/se\n", base->c_str());
        return 0;
    }
    std::fprintf(stderr, "kararion: no sound folder: neither %s/data/se nor %s/data/se has the sounds\n",
                 programDir.c_str(), kararion::sound::InstalledDataDir(programDir, KARARION_DATA_FROM_PROGRAM).c_str());
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const auto status = AnswerPrintingOptions(argc, argv)) return *status;

    QApplication app(argc, argv);
    // The desktop entry's name, so that the desktop shows its icon and name for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(KARARION_APP_ID));
    // Without its sounds the game plays silently, looking beside itself.
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
    kararion::ui::RealGame game(SoundBase(programDir).value_or(programDir));
    game.Start();
    return QApplication::exec();
}
