#include "ui/platform/desktop_start.h"

#include <sys/stat.h>
#include <unistd.h>

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

FolderVerdict JudgeFolder(const FolderFacts& facts, unsigned player) {
    switch (facts.kind) {
        case FolderFacts::Kind::Missing: return FolderVerdict::Make;
        case FolderFacts::Kind::NotAFolder: return FolderVerdict::NotAFolder;
        case FolderFacts::Kind::LinkToNothing: return FolderVerdict::LinkToNothing;
        case FolderFacts::Kind::Folder: break;
    }
    if (facts.owner != player) return FolderVerdict::OtherOwner;
    if ((facts.mode & S_IRWXU) != S_IRWXU) return FolderVerdict::NotWritable;
    if ((facts.mode & (S_IRWXG | S_IRWXO)) != 0) return FolderVerdict::Tighten;
    return FolderVerdict::Use;
}

namespace {

// A link is followed: a player may keep the folder elsewhere, as long as it
// is the player's own there.
FolderFacts FactsOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return {FolderFacts::Kind::LinkToNothing};
        // Anything else that cannot be looked at (a file on the way, no
        // right to look) shows when the folder is made.
        return {FolderFacts::Kind::Missing};
    }
    if (!S_ISDIR(info.st_mode)) return {FolderFacts::Kind::NotAFolder};
    return {FolderFacts::Kind::Folder, static_cast<unsigned>(info.st_uid), static_cast<unsigned>(info.st_mode & 07777)};
}

std::string Unusable(const fs::path& path, const std::string& why) {
    return "セーブ用のフォルダが使えません：\n" + path.string() + "\n（" + why + "）";
}

std::string WhyNotMade(const fs::path& path, int error) {
    switch (error) {
        case ENOTDIR: return "途中にフォルダでないものがあります";
        case EACCES:
        case EPERM:
        case EROFS: return path.parent_path().string() + " に作れません";
        default: return path.string() + " を作れません：" + std::strerror(error);
    }
}

// Brings one of the player's folders to a verdict of Use, or says why not.
std::string Ready(const fs::path& folder, const fs::path& shown) {
    const unsigned player = ::geteuid();
    for (int look = 0; look < 3; ++look) {  // another look after making or closing it
        const FolderFacts facts = FactsOf(folder);
        switch (JudgeFolder(facts, player)) {
            case FolderVerdict::Use: return {};
            case FolderVerdict::Make:
                if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST)
                    return Unusable(shown, WhyNotMade(folder, errno));
                break;
            case FolderVerdict::Tighten:
                if (::chmod(folder.c_str(), facts.mode & ~static_cast<unsigned>(S_IRWXG | S_IRWXO)) != 0)
                    return Unusable(shown, folder.string() + " を閉じられません：" + std::strerror(errno));
                break;
            case FolderVerdict::OtherOwner: return Unusable(shown, folder.string() + " はほかのユーザーのものです");
            case FolderVerdict::NotAFolder: return Unusable(shown, folder.string() + " はフォルダではありません");
            case FolderVerdict::LinkToNothing: return Unusable(shown, folder.string() + " のリンク先がありません");
            case FolderVerdict::NotWritable: return Unusable(shown, folder.string() + " に書き込めません");
        }
    }
    return Unusable(shown, folder.string() + " が定まりません");
}

}  // namespace

std::string PreparePlayerFolder(const std::optional<std::string>& folder) {
    if (!folder) return Unusable("$HOME/.local/share/kararion", "HOME がフォルダを指していません");
    const fs::path own(*folder);
    const fs::path data = own / "data";
    // The parents are the desktop's (the data home): made when missing, as
    // the desktop would, and otherwise not the game's to judge.
    fs::path made;
    for (const fs::path& part : own.parent_path()) {
        made /= part;
        if (part.empty()) continue;  // the trailing slash of "a/"
        if (::mkdir(made.c_str(), S_IRWXU) == 0) continue;
        const int error = errno;
        if (error == EEXIST && FactsOf(made).kind == FolderFacts::Kind::Folder) continue;
        if (error == EEXIST) return Unusable(data, made.string() + " はフォルダではありません");
        if (error != EACCES && error != EPERM && error != EROFS) return Unusable(data, WhyNotMade(made, error));
        // A parent we may not make may still be there to pass through.
        if (FactsOf(made).kind != FolderFacts::Kind::Folder) return Unusable(data, WhyNotMade(made, error));
    }
    if (std::string problem = Ready(own, data); !problem.empty()) return problem;
    return Ready(data, data);
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
