#include "sound/sound_folder.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "sound/sounds.h"

namespace kararion::sound {
namespace {

namespace fs = std::filesystem;

// How many of the six sounds lie in base/data/se as regular files we may read.
// A FIFO or a device under a sound's name is no sound: loading it would wait
// or read for ever.
std::size_t SoundsIn(const std::string& base) {
    if (base.empty()) return 0;
    const fs::path folder = fs::path(base) / "data" / "se";
    std::size_t found = 0;
    for (const std::string& file : WaveFileNames()) {
        std::error_code error;
        const fs::path path = folder / file;
        if (fs::is_regular_file(path, error) && ::access(path.c_str(), R_OK) == 0) ++found;
    }
    return found;
}

bool HasAllSounds(const std::string& base) { return SoundsIn(base) == WaveFileNames().size(); }

}  // namespace

std::string InstalledDataDir(const std::string& programDir, const std::string& fromProgram) {
    std::string dir = (fs::path(programDir) / fromProgram).lexically_normal().string();
    // "/opt/kararion/share/kararion/" names the same folder as without the slash,
    // and the sounds are joined on with one.
    if (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

std::optional<std::string> ChooseSoundBase(const std::string& programDir, const std::string& installedDataDir) {
    for (const std::string& base : {programDir, installedDataDir}) {
        if (HasAllSounds(base)) return base;
    }
    return std::nullopt;
}

std::string BestSoundBase(const std::string& programDir, const std::string& installedDataDir) {
    if (const auto complete = ChooseSoundBase(programDir, installedDataDir)) return *complete;
    return SoundsIn(installedDataDir) > SoundsIn(programDir) ? installedDataDir : programDir;
}

}  // namespace kararion::sound
