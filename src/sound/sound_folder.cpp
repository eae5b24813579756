#include "sound/sound_folder.h"

#include <filesystem>
#include <system_error>

#include "sound/sounds.h"

namespace kararion::sound {
namespace {

namespace fs = std::filesystem;

bool HasAllSounds(const std::string& base) {
    if (base.empty()) return false;
    const fs::path folder = fs::path(base) / "data" / "se";
    for (const std::string& file : WaveFileNames()) {
        std::error_code error;
        if (!fs::is_regular_file(folder / file, error)) return false;
    }
    return true;
}

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

}  // namespace kararion::sound
