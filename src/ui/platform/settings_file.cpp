#include "ui/platform/settings_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace kararion::ui {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> AbsoluteValue(const Environment& env, const char* name) {
    auto value = env(name);
    if (value && !value->empty() && fs::path(*value).is_absolute()) return value;
    return std::nullopt;
}

// Looked at without opening it: a missing file is made by the first write.
bool RegularOrMissing(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

void SayNotRemembered(const std::string& why) {
    static bool said = false;
    if (said) return;
    said = true;
    std::fprintf(stderr, "kararion: %s: the zoom and the sound will not be remembered\n", why.c_str());
}

}  // namespace

std::optional<std::string> SettingsFile(const Environment& env) {
    fs::path folder;
    if (auto configHome = AbsoluteValue(env, "XDG_CONFIG_HOME")) {
        folder = *configHome;
    } else if (auto home = AbsoluteValue(env, "HOME")) {
        folder = fs::path(*home) / ".config";
    } else {
        return std::nullopt;
    }
    return (folder / "kararion" / "kararion.conf").string();
}

std::unique_ptr<QSettings> OpenSettings() {
    const auto file = SettingsFile(ProcessEnvironment());
    if (!file) {
        SayNotRemembered("neither XDG_CONFIG_HOME nor HOME names a folder");
        return nullptr;
    }
    // QSettings reads the file as it is made, and locks it beside it to write.
    for (const std::string& path : {*file, *file + ".lock"}) {
        if (!RegularOrMissing(path)) {
            SayNotRemembered(path + " is not a regular file");
            return nullptr;
        }
    }
    // The same format and place the desktop's QSettings("kararion", "kararion") has.
    return std::make_unique<QSettings>(QString::fromStdString(*file), QSettings::IniFormat);
}

}  // namespace kararion::ui
