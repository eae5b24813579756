#include "save/dialog_rules.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "save/save_file.h"

namespace kararion {
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

void Reopen(Game& g, FileDialogState& dialog) {
    // Every opening starts over, whatever was typed or picked last time.
    dialog.FileName = "NewData";
    dialog.files = ListSaveFiles(g.dataDir);
}

void NameAfter(FileDialogState& dialog, const std::string& file) {
    // "a.b.dat" names the save "a": the name ends at its first dot.
    dialog.FileName = file.substr(0, file.find('.'));
}

void ActOnName(Game& g, FileDialogState& dialog, void (*operation)(Game&, const std::string&)) {
    if (dialog.FileName.empty()) {
        g.fx.Beep();
        return;
    }
    // The name is copied: the outcome's message box may let the window layer
    // touch the field while the operation still runs.
    const std::string name = dialog.FileName;
    operation(g, name);
}

void HoverAction(FileDialogState& dialog) {
    dialog.Action.foreColor = kRed;
    dialog.Cancel.foreColor = kBlack;
}

void HoverCancelButton(FileDialogState& dialog) {
    dialog.Cancel.foreColor = kRed;
    dialog.Action.foreColor = kBlack;
}

void HoverNothing(FileDialogState& dialog) {
    dialog.Action.foreColor = kBlack;
    dialog.Cancel.foreColor = kBlack;
}

}  // namespace

namespace save_dialog {
void Open(Game& g) { Reopen(g, g.saveDialog); }
void PickFile(Game& g, const std::string& file) { NameAfter(g.saveDialog, file); }
void ClickSave(Game& g) { ActOnName(g, g.saveDialog, save_file::SaveGame); }
void HoverSave(Game& g) { HoverAction(g.saveDialog); }
void HoverCancel(Game& g) { HoverCancelButton(g.saveDialog); }
void HoverBackground(Game& g) { HoverNothing(g.saveDialog); }
}  // namespace save_dialog

namespace load_dialog {
void Open(Game& g) { Reopen(g, g.loadDialog); }
void PickFile(Game& g, const std::string& file) { NameAfter(g.loadDialog, file); }
void ClickLoad(Game& g) { ActOnName(g, g.loadDialog, save_file::LoadGame); }
void HoverLoad(Game& g) { HoverAction(g.loadDialog); }
void HoverCancel(Game& g) { HoverCancelButton(g.loadDialog); }
void HoverBackground(Game& g) { HoverNothing(g.loadDialog); }
}  // namespace load_dialog

}  // namespace kararion
