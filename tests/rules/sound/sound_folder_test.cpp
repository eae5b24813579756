// Which folder the sounds are played from: beside the program, else the
// installed data folder, else none.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "sound/sound_folder.h"
#include "sound/sounds.h"
#include "support/harness.h"

namespace kararion {
namespace {

namespace fs = std::filesystem;

TEST(SoundFolder, InstalledDataDirIsFoundFromTheProgramFolder) {
    EXPECT_EQ(sound::InstalledDataDir("/usr/bin", "../share/kararion"), "/usr/share/kararion");
    EXPECT_EQ(sound::InstalledDataDir("/home/a/.local/bin/", "../share/kararion"), "/home/a/.local/share/kararion");
    EXPECT_EQ(sound::InstalledDataDir("/opt/k/lib/games", "../../share/kararion"), "/opt/k/share/kararion");
    EXPECT_EQ(sound::InstalledDataDir("/bin", "../share/kararion"), "/share/kararion");
    EXPECT_EQ(sound::InstalledDataDir("build/bin", "../share/kararion/"), "build/share/kararion");
}

class SoundFolderTree : public ::testing::Test {
protected:
    SoundFolderTree() {
        std::string pattern = (fs::temp_directory_path() / "kararion-sounds-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
        root = pattern;
        program = root / "bin";
        installed = root / "share" / "kararion";
        fs::create_directories(program);
        fs::create_directories(installed);
    }
    ~SoundFolderTree() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // Puts the six sounds into base/data/se, all but `left_out`.
    static void PutSounds(const fs::path& base, const std::string& left_out = "") {
        fs::create_directories(base / "data" / "se");
        for (const std::string& file : sound::WaveFileNames())
            if (file != left_out) std::ofstream(base / "data" / "se" / file) << "RIFF";
    }
    std::optional<std::string> Choose() const { return sound::ChooseSoundBase(program.string(), installed.string()); }

    fs::path root;
    fs::path program;
    fs::path installed;
};

TEST_F(SoundFolderTree, TheProgramFolderComesFirstThenTheInstalledOne) {
    EXPECT_EQ(Choose(), std::nullopt);
    PutSounds(installed);
    EXPECT_EQ(Choose(), installed.string());
    PutSounds(program);
    EXPECT_EQ(Choose(), program.string());
}

TEST_F(SoundFolderTree, AFolderCountsOnlyWithAllSixSounds) {
    for (const std::string& missing : sound::WaveFileNames()) {
        fs::remove_all(root / "bin" / "data");
        fs::remove_all(root / "share");
        PutSounds(program, missing);
        EXPECT_EQ(Choose(), std::nullopt) << missing;
        PutSounds(installed, missing);
        EXPECT_EQ(Choose(), std::nullopt) << missing;
        PutSounds(installed);
        EXPECT_EQ(Choose(), installed.string()) << missing;
    }
    // A folder in place of a sound file is no sound.
    fs::remove_all(root / "share");
    PutSounds(installed, "stop.wav");
    fs::create_directory(installed / "data" / "se" / "stop.wav");
    EXPECT_EQ(Choose(), std::nullopt);
    // Nor is a FIFO, which would hold up its loading for ever. The game then
    // plays from the folder with the most sounds, its own on a tie.
    fs::remove_all(root / "share");
    PutSounds(program);
    fs::remove(program / "data" / "se" / "betup.wav");
    ASSERT_EQ(::mkfifo((program / "data" / "se" / "betup.wav").c_str(), 0600), 0);
    EXPECT_EQ(Choose(), std::nullopt);
    EXPECT_EQ(sound::BestSoundBase(program.string(), installed.string()), program.string());
    PutSounds(installed, "stop.wav");
    EXPECT_EQ(sound::BestSoundBase(program.string(), installed.string()), program.string());
    PutSounds(installed);
    EXPECT_EQ(sound::BestSoundBase(program.string(), installed.string()), installed.string());
    // Nor is a missing or empty installed folder anything.
    EXPECT_EQ(sound::ChooseSoundBase(program.string(), ""), std::nullopt);
    EXPECT_EQ(sound::ChooseSoundBase("", ""), std::nullopt);
}

TEST_F(SoundFolderTree, TheChosenFolderHoldsEveryFileTheGamePlays) {
    PutSounds(installed);
    const auto base = Choose();
    ASSERT_TRUE(base);
    testing::Machine m(*base);
    std::set<std::string> played;
    for (const sound::SoundFileName& s : sound::kSounds) {
        const std::string file = sound::SoundFile(m.game.programDir(), s.sound);
        EXPECT_TRUE(fs::is_regular_file(file)) << s.name << ": " << file;
        played.insert(fs::path(file).filename().string());
    }
    const auto names = sound::WaveFileNames();
    EXPECT_EQ(played, std::set<std::string>(names.begin(), names.end()));
}

}  // namespace
}  // namespace kararion
