#include <unistd.h>

#include <QApplication>
#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "sound/sound_folder.h"
#include "ui/platform/desktop_start.h"
#include "ui/seams/real_game.h"

namespace {

// The folder whose data/se the sounds are played from: beside the program
// first (the build puts them there), then the installed data folder, which
// lies at a fixed place relative to the program wherever it is installed.
std::optional<std::string> SoundBase(const std::string& programDir) {
    using namespace kararion::sound;
    return ChooseSoundBase(programDir, InstalledDataDir(programDir, KARARION_DATA_FROM_PROGRAM));
}

struct StartOptions {
    std::string programDir;
    bool printSoundFolder = false;
    bool printSaveFolder = false;
    bool playerFolder = false;
};

// Reads the game's own options before any display is opened; --help ends here.
StartOptions ReadOptions(int& argc, char* argv[]) {
    QCoreApplication cli(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("カラリオン (Kararion): a slot machine with three reels."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    parser.addOption(help);
    const QCommandLineOption playerFolder(
        QStringLiteral("player-folder"),
        QStringLiteral("Play in the player's own folder, $XDG_DATA_HOME/kararion (~/.local/share/kararion), "
                       "made with its data folder for the saves if missing. The desktop entry starts the game "
                       "so; otherwise the saves go to data/ under the working folder, which must exist."));
    parser.addOption(playerFolder);
    const QCommandLineOption printSaveFolder(
        QStringLiteral("print-save-folder"),
        QStringLiteral("Print the folder the saves go to and end, without opening a window."));
    parser.addOption(printSaveFolder);
    const QCommandLineOption printSoundFolder(
        QStringLiteral("print-sound-folder"),
        QStringLiteral("Print the folder the sounds are played from and end, without opening a window; "
                       "end with status 1 when no folder has them."));
    parser.addOption(printSoundFolder);
    // Qt's own options (-platform, -style, ...) are left to the application.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) parser.showHelp(0);
    return {QCoreApplication::applicationDirPath().toStdString(), parser.isSet(printSoundFolder),
            parser.isSet(printSaveFolder), parser.isSet(playerFolder)};
}

int PrintSoundFolder(const std::string& programDir) {
    if (const auto base = SoundBase(programDir)) {
        std::printf("%s/data/se\n", base->c_str());
        return 0;
    }
    std::fprintf(stderr, "kararion: no sound folder: neither %s/data/se nor %s/data/se has the sounds\n",
                 programDir.c_str(), kararion::sound::InstalledDataDir(programDir, KARARION_DATA_FROM_PROGRAM).c_str());
    return 1;
}

// The game saves to ./data; in the player's own folder that is where it
// works from. When the folder cannot be had, the game still plays where it
// was started, and says why its saves may fail.
void EnterPlayerFolder() {
    const auto folder = kararion::ui::PlayerFolder(kararion::ui::ProcessEnvironment());
    if (!folder) {
        std::fprintf(stderr,
                     "kararion: neither XDG_DATA_HOME nor HOME names a folder; saving under the working folder\n");
        return;
    }
    if (const std::string error = kararion::ui::MakeSaveFolders(*folder); !error.empty()) {
        std::fprintf(stderr, "kararion: %s; saving under the working folder\n", error.c_str());
        return;
    }
    if (::chdir(folder->c_str()) != 0) {
        std::fprintf(stderr, "kararion: cannot enter %s: %s; saving under the working folder\n", folder->c_str(),
                     std::strerror(errno));
    }
}

int PrintSaveFolder() {
    std::error_code error;
    const std::filesystem::path data = std::filesystem::current_path(error) / "data";
    if (error) {
        std::fprintf(stderr, "kararion: no working folder: %s\n", error.message().c_str());
        return 1;
    }
    std::printf("%s\n", data.c_str());
    if (!std::filesystem::is_directory(data, error))
        std::fprintf(stderr, "kararion: %s does not exist; saves fail until it is made\n", data.c_str());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const StartOptions options = ReadOptions(argc, argv);
    if (options.printSoundFolder) return PrintSoundFolder(options.programDir);
    if (options.playerFolder) EnterPlayerFolder();
    if (options.printSaveFolder) return PrintSaveFolder();

    // Before the application starts: Qt picks its platform as it is built.
    if (const auto platform = kararion::ui::ChoosePlatform(kararion::ui::ProcessEnvironment(),
                                                           std::vector<std::string>(argv, argv + argc)))
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));

    QApplication app(argc, argv);
    kararion::ui::LoadQtJapanese();
    // The desktop entry's name, so that the desktop shows its icon and name for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(KARARION_APP_ID));
    // With some of its sounds missing the game plays the others; without any
    // it plays silently, looking beside itself.
    kararion::ui::RealGame game(kararion::sound::BestSoundBase(
        options.programDir, kararion::sound::InstalledDataDir(options.programDir, KARARION_DATA_FROM_PROGRAM)));
    game.Start();
    return QApplication::exec();
}
