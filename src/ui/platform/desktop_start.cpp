#include "ui/platform/desktop_start.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kararion::ui {
namespace {

namespace fs = std::filesystem;

// Set and not empty: an empty variable counts as unset, as it does for Qt and
// the desktop's own tools.
std::optional<std::string> Value(const Environment& env, const std::string& name) {
    auto value = env(name);
    if (value && value->empty()) return std::nullopt;
    return value;
}

std::optional<std::string> AbsolutePath(const Environment& env, const std::string& name) {
    auto value = Value(env, name);
    if (value && fs::path(*value).is_absolute()) return value;
    return std::nullopt;
}

}  // namespace

Environment ProcessEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
}

std::optional<std::string> ChoosePlatform(const Environment& env, const std::vector<std::string>& args) {
    if (Value(env, "QT_QPA_PLATFORM")) return std::nullopt;
    // Qt reads its own options with one dash or two.
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-platform" || args[i] == "--platform") return std::nullopt;
    }
    const bool wayland = Value(env, "WAYLAND_DISPLAY") || Value(env, "XDG_SESSION_TYPE") == "wayland";
    if (wayland && Value(env, "DISPLAY")) return "xcb";
    return std::nullopt;
}

std::optional<std::string> PlayerFolder(const Environment& env) {
    if (auto dataHome = AbsolutePath(env, "XDG_DATA_HOME")) return (fs::path(*dataHome) / "kararion").string();
    if (auto home = AbsolutePath(env, "HOME")) return (fs::path(*home) / ".local" / "share" / "kararion").string();
    return std::nullopt;
}

std::string MakeSaveFolders(const std::string& folder) {
    fs::path made;
    for (const fs::path& part : fs::path(folder) / "data") {
        made /= part;
        if (part.empty()) continue;  // the trailing slash of "a/"
        if (::mkdir(made.c_str(), S_IRWXU) == 0) continue;
        const int error = errno;
        std::error_code ignored;
        if (error == EEXIST && fs::is_directory(made, ignored)) continue;
        return "cannot make the folder " + made.string() + ": " +
               (error == EEXIST ? std::string("a file is in the way") : std::string(std::strerror(error)));
    }
    return {};
}

bool LoadQtJapanese() {
    auto* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace kararion::ui
