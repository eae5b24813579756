#include "save/save_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>
#include <string_view>

#include "save/save_code.h"

namespace kararion::save {
namespace {

const char* const kSaved = "セーブしました。";
const char* const kNotSaved = "セーブ出来ませんでした。";
const char* const kLoaded = "ロードしました。";
const char* const kNotLoaded = "ロード出来ませんでした。";
const char* const kDone = "完了";
const char* const kError = "エラー";

constexpr std::string_view kSeparator = "<>";
constexpr std::size_t kFieldCount = 6;

// The six saved counters, in the order of the file.
std::array<Count, kFieldCount> FieldsOf(const SavedCounts& s) {
    return {s.coin, s.run, s.lost, s.win, s.usedCoin, s.winCoin};
}

SavedCounts CountsOf(const std::array<Count, kFieldCount>& f) {
    return {.coin = f[0], .run = f[1], .lost = f[2], .win = f[3], .usedCoin = f[4], .winCoin = f[5]};
}

// The player types the name, so it must stay a plain name in the data folder:
// no way up or across into another folder, nothing the C file calls would cut
// short at a NUL, and nothing that names the folder itself.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name)
        if (c == '/' || c == '\\' || c == '\0') return false;
    return true;
}

// The folder part of a path, with its trailing separator ("" for the current folder).
std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes now and says whether the close itself went well: on some file
    // systems a write is refused only at close.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Our temporaries are named ".kararion-<writer's pid>-<serial>.tmp".
constexpr std::string_view kTempPrefix = ".kararion-";
constexpr std::string_view kTempSuffix = ".tmp";

// Creates a fresh file of our own in `folder`. The name is hidden and does not
// end in ".dat", so the dialogs never list it, and it does not grow with the
// save name, so a name that just fits the file system still gets a temporary.
int CreateTemporary(const std::string& folder, std::string& tempPath) {
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + std::string(kTempPrefix) + std::to_string(::getpid()) + "-" + std::to_string(serial++) +
                   std::string(kTempSuffix);
        // A save is the player's own business: readable by the player alone.
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The process that wrote the temporary `name`, or 0 when the name is not one
// of ours.
pid_t TemporaryWriter(std::string_view name) {
    if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) return 0;
    name = name.substr(kTempPrefix.size(), name.size() - kTempPrefix.size() - kTempSuffix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash + 1 == name.size()) return 0;
    if (name.find_first_not_of("0123456789", dash + 1) != std::string_view::npos) return 0;
    pid_t pid = 0;
    auto [end, error] = std::from_chars(name.data(), name.data() + dash, pid);
    if (error != std::errc() || end != name.data() + dash) return 0;
    return pid > 0 ? pid : 0;
}

// A save killed part-way leaves its temporary behind. Those whose writer is
// gone are removed; one whose writer still runs may be another game's save
// under way and stays. This game writes one save at a time and none is under
// way here, so its own are left over too.
void RemoveStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return;
    const pid_t self = ::getpid();
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t writer = TemporaryWriter(entry->d_name);
        if (writer == 0) continue;
        if (writer != self && (::kill(writer, 0) == 0 || errno == EPERM)) continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) continue;
        ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Puts `contents` at `path` all or nothing: the old file stays in place until
// the new one is completely on disk, then a rename swaps them in one step. A
// full disk, a refused folder or a crash part-way leaves the old save as it was.
bool ReplaceFile(const std::string& path, std::string_view contents) {
    const std::string folder = FolderOf(path);
    RemoveStaleTemporaries(folder);
    std::string tempPath;
    Descriptor file(CreateTemporary(folder, tempPath));
    if (!file.Valid()) return false;
    bool ok = WriteAll(file.get(), contents) && ::fsync(file.get()) == 0;
    ok = file.Close() && ok;
    if (ok) ok = ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    // Make the rename itself durable. The save is in place whatever this says.
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) ::fsync(dir.get());
    return true;
}

// A save line is a few hundred bytes at most (six counters of a few hundred
// digits even for absurd scores). Anything whose first line is longer than
// this is not a save file, and reading on would only cost memory.
constexpr std::size_t kMaxLineBytes = std::size_t{64} * 1024;

// Reads the one item the loader looks at: the first line up to its first
// comma, leading blanks skipped. Nothing when there is no such line to be had:
// the file cannot be opened or read, is not a regular file, holds a NUL (not
// text) or has a first line beyond kMaxLineBytes.
std::optional<std::string> ReadFirstItem(const std::string& path) {
    // O_NONBLOCK: a FIFO under a save name must not hang the game in open().
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.Valid()) return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;

    std::string line;
    char buffer[4096];
    bool ended = false;
    while (!ended) {
        ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (got == 0) break;  // a last line without a line break still counts
        std::string_view chunk(buffer, static_cast<std::size_t>(got));
        std::size_t end = chunk.find_first_of("\r\n");
        if (end != std::string_view::npos) {
            chunk = chunk.substr(0, end);
            ended = true;
        }
        if (line.size() + chunk.size() > kMaxLineBytes) return std::nullopt;
        line.append(chunk);
    }
    if (line.find('\0') != std::string::npos) return std::nullopt;

    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) start = line.size();
    std::size_t comma = line.find(',', start);
    return line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
}

// The first six pieces of `item` split at "<>". False if it has fewer: the
// final "<>" of a save line makes a seventh, empty piece, which is not needed,
// so a line without it still has its six fields.
bool SplitFields(std::string_view item, std::array<std::string, kFieldCount>& fields) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        std::size_t end = item.find(kSeparator);
        if (end == std::string_view::npos) {
            fields[i] = std::string(item);
            return i + 1 == kFieldCount;
        }
        fields[i] = std::string(item.substr(0, end));
        item.remove_prefix(end + kSeparator.size());
    }
    return true;
}

}  // namespace

SaveFiles::SaveFiles(Ground& ground) : g_(ground) {}

std::string SaveFiles::SavePath(const std::string& name) const { return dataDir_ + name + ".dat"; }

void SaveFiles::SaveGame(const std::string& name) {
    Ground& g = g_;
    if (!g.gamePhase().Allows(Command::Save)) return g.Refuse(Command::Save, Reason::NotNow, false);
    if (!IsPlainFileName(name)) {
        g.MessageBox(kNotSaved, kError);
        return;
    }
    const std::array<Count, kFieldCount> counts = FieldsOf(g.counters().Saved());
    std::array<std::string, kFieldCount> fields;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        fields[i] = EncodeSaveText(g, CounterText(counts[i]));
        if (fields[i] == kFailed) {
            // Nothing is opened, so an older save under this name stays as it is.
            g.MessageBox(kNotSaved, kError);
            return;
        }
    }
    std::string line;
    for (const std::string& field : fields) {
        line += field;
        line += kSeparator;
    }
    line += "\r\n";
    // The file is closed again before any message box opens.
    const bool saved = ReplaceFile(SavePath(name), line);
    if (saved) {
        g.MessageBox(kSaved, kDone);
    } else {
        g.MessageBox(kNotSaved, kError);
    }
}

bool SaveFiles::LoadGame(const std::string& name) {
    Ground& g = g_;
    if (!g.gamePhase().Allows(Command::Load)) {
        g.Refuse(Command::Load, Reason::NotNow, false);
        return false;
    }
    std::array<std::string, kFieldCount> fields;
    // Whatever cannot be read changes nothing: no counter has been replaced,
    // so the game in hand goes on as it was.
    const std::optional<std::string> item = IsPlainFileName(name) ? ReadFirstItem(SavePath(name)) : std::nullopt;
    if (!item || !SplitFields(*item, fields)) {
        g.MessageBox(kNotLoaded, kError);
        return false;
    }
    std::array<Count, kFieldCount> counts{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string digits = DecodeSaveText(g, fields[i]);
        // A damaged field (told by the decoder), an empty one or a number
        // beyond what a counter holds: the file is not loaded at all.
        const std::optional<Count> count = digits == kFailed ? std::nullopt : ParseCount(digits);
        if (!count) {
            g.MessageBox(kNotLoaded, kError);
            return false;
        }
        counts[i] = *count;
    }
    g.counters_.Replace(CountsOf(counts));
    // A load starts a fresh session of the data counter.
    g.events_.countersReplaced(Restored{g.counters().Coin(), g.counters().Run()});
    g.MessageBox(kLoaded, kDone);
    return true;
}

}  // namespace kararion::save
