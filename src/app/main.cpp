#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "sound/sound_folder.h"
#include "ui/group/real_game.h"
#include "ui/platform/command_line.h"
#include "ui/platform/desktop_start.h"
#include "version.h"

namespace {

// The folder whose data/se the sounds are played from: beside the program
// first (the build puts them there), then the installed data folder, which
// lies at a fixed place relative to the program wherever it is installed.
std::optional<std::string> SoundBase(const std::string& programDir) {
    using namespace kararion::sound;
    return ChooseSoundBase(programDir, InstalledDataDir(programDir, KARARION_DATA_FROM_PROGRAM));
}

// Reads the options before any display is opened; --help, --version and a
// wrong option end here. Nothing is made on the way.
kararion::ui::Options ReadOptions(int& argc, char* argv[], std::string& programDir) {
    QCoreApplication cli(argc, argv);
    programDir = QCoreApplication::applicationDirPath().toStdString();
    return kararion::ui::ReadOptions(QCoreApplication::arguments(), QString::fromLatin1(kararion::kVersion));
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

int PrintSaveFolder(bool playerFolder) {
    std::filesystem::path data;
    if (playerFolder) {
        const auto folder = kararion::ui::PlayerFolder(kararion::ui::ProcessEnvironment());
        if (!folder) {
            std::fprintf(stderr, "kararion: neither XDG_DATA_HOME nor HOME names a folder: no save folder\n");
            return 1;
        }
        data = std::filesystem::path(*folder) / "data";
    } else {
        std::error_code error;
        data = std::filesystem::current_path(error) / "data";
        if (error) {
            std::fprintf(stderr, "kararion: no working folder: %s\n", error.message().c_str());
            return 1;
        }
    }
    std::printf("%s\n", data.c_str());
    // The player's folder is made by the game; the working folder's is not.
    std::error_code error;
    if (!playerFolder && !std::filesystem::is_directory(data, error))
        std::fprintf(stderr, "kararion: %s does not exist; saves fail until it is made\n", data.c_str());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string programDir;
    const kararion::ui::Options options = ReadOptions(argc, argv, programDir);
    switch (options.then) {
        case kararion::ui::Options::Then::Print: std::fputs(options.text.c_str(), stdout); return 0;
        case kararion::ui::Options::Then::Fail: std::fputs(options.text.c_str(), stderr); return 2;
        case kararion::ui::Options::Then::Play: break;
    }
    if (options.printSoundFolder) return PrintSoundFolder(programDir);
    if (options.printSaveFolder) return PrintSaveFolder(options.playerFolder);

    // In the player's own folder the saves go there and nowhere else: when it
    // cannot be used, the dialogs say so rather than save elsewhere.
    std::optional<std::string> playerFolder;
    if (options.playerFolder) {
        playerFolder = kararion::ui::PlayerFolder(kararion::ui::ProcessEnvironment());
        if (const std::string problem = kararion::ui::PreparePlayerFolder(playerFolder); !problem.empty())
            std::fprintf(stderr, "kararion: %s\n", problem.c_str());
    }

    // Before the application starts: Qt picks its platform as it is built.
    if (const auto platform = kararion::ui::ChoosePlatform(kararion::ui::ProcessEnvironment(),
                                                           std::vector<std::string>(argv, argv + argc)))
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));

    // The sound server's mixer shows the game by its name and icon, as a game,
    // rather than as the audio layer's "QtPulseAudio:<pid>". The sound
    // library reads this once, as the game's first sound connects; a value
    // the player set is left alone.
    if (!qEnvironmentVariableIsSet("PULSE_PROP_OVERRIDE")) {
        qputenv("PULSE_PROP_OVERRIDE", "application.name='カラリオン' application.icon_name='" KARARION_APP_ID
                                       "' media.role='game' application.id='" KARARION_APP_ID "'");
    }

    QApplication app(argc, argv);
    kararion::ui::LoadQtJapanese();
    // The desktop entry's name, so that the desktop shows its icon and name for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(KARARION_APP_ID));
    // With some of its sounds missing the game plays the others; without any
    // it plays silently, looking beside itself.
    kararion::ui::RealGame game(kararion::sound::BestSoundBase(
        programDir, kararion::sound::InstalledDataDir(programDir, KARARION_DATA_FROM_PROGRAM)));
    if (options.playerFolder) {
        // A whole path: the folder may be deleted and made again under a running game.
        if (playerFolder) {
            game.windows().Send(
                {.kind = kararion::machine::Order::Kind::SetSaveFolder, .text = *playerFolder + "/data/"});
        }
        game.windows().SetSaveFolderCheck([playerFolder] { return kararion::ui::PreparePlayerFolder(playerFolder); });
    }
    game.Start();
    return QApplication::exec();
}
