#include "save/dialog_rules.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "save/save_file.h"

namespace kararion::save {
namespace {

namespace fs = std::filesystem;

// The save files of the data folder, as the file list shows them: names without the
// folder, in byte order. Only names LoadGame could open are listed (".dat" in
// this case, not ".DAT"); hidden files are left out, as a file list leaves
// them out, which also keeps a save's temporary file out of sight. A folder
// that is missing or cannot be read lists nothing: the player can still type
// a name, and saving then says that it could not save.
std::vector<std::string> ListSaveFiles(const std::string& dataDir) {
    constexpr std::string_view kExtension = ".dat";
    std::vector<std::string> names;
    std::error_code error;
    const fs::path folder = dataDir.empty() ? fs::path(".") : fs::path(dataDir);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() <= kExtension.size() || name.front() == '.') continue;
        if (name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0) continue;
        std::error_code kindError;
        if (!it->is_regular_file(kindError)) continue;
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

FileDialogRules::FileDialogRules(Ground& ground, SaveFiles& saveFiles) : g_(ground), saveFiles_(saveFiles) {}

void FileDialogRules::Open() {
    // Every opening starts over, whatever was typed or picked last time.
    fileName_ = "NewData";
    files_ = ListSaveFiles(saveFiles_.DataDir());
}

void FileDialogRules::PickFile(const std::string& file) {
    // Only the final ".dat" is the extension: "a.b.dat" is the save "a.b",
    // which ロード opens and セーブ overwrites, never "a.dat".
    constexpr std::string_view kExtension = ".dat";
    const bool listed = file.size() > kExtension.size() &&
                        file.compare(file.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
    fileName_ = listed ? file.substr(0, file.size() - kExtension.size()) : file;
}

void FileDialogRules::TypeName(const std::string& name) { fileName_ = name; }

void FileDialogRules::HoverAction() {
    action_.foreColor = kRed;
    cancel_.foreColor = kBlack;
}

void FileDialogRules::HoverCancel() {
    cancel_.foreColor = kRed;
    action_.foreColor = kBlack;
}

void FileDialogRules::HoverBackground() {
    action_.foreColor = kBlack;
    cancel_.foreColor = kBlack;
}

}  // namespace kararion::save
