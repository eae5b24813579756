#include "save/file_dialogs.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "save/save_file.h"

namespace kararion {
namespace {

namespace fs = std::filesystem;

// The save files of the data folder, as File1 lists them: names without the
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

void LoadDialog(Game& g, SaveDialogState& dialog) {
    // Every opening starts over, whatever was typed or picked last time.
    dialog.FileName = "NewData";
    dialog.files = ListSaveFiles(g.dataDir);
}

void PickFile(SaveDialogState& dialog, const std::string& file) {
    // "a.b.dat" names the save "a": the name ends at its first dot.
    dialog.FileName = file.substr(0, file.find('.'));
}

void Act(Game& g, SaveDialogState& dialog, void (*operation)(Game&, const std::string&)) {
    if (dialog.FileName.empty()) {
        g.fx.Beep();
        return;
    }
    // The name is copied: the outcome's message box may let the window layer
    // touch the field while the operation still runs.
    const std::string name = dialog.FileName;
    operation(g, name);
}

void HoverAction(SaveDialogState& dialog) {
    dialog.Action.foreColor = kRed;
    dialog.Cancel.foreColor = kBlack;
}

void HoverCancel(SaveDialogState& dialog) {
    dialog.Cancel.foreColor = kRed;
    dialog.Action.foreColor = kBlack;
}

void HoverBackground(SaveDialogState& dialog) {
    dialog.Action.foreColor = kBlack;
    dialog.Cancel.foreColor = kBlack;
}

}  // namespace

namespace Form2 {
void Form_Load(Game& g) { LoadDialog(g, g.form2); }
void File1_Click(Game& g, const std::string& file) { PickFile(g.form2, file); }
void Save_Click(Game& g) { Act(g, g.form2, FileC::SaveGame); }
void Save_MouseMove(Game& g) { HoverAction(g.form2); }
void Cancel_MouseMove(Game& g) { HoverCancel(g.form2); }
void Form_MouseMove(Game& g) { HoverBackground(g.form2); }
}  // namespace Form2

namespace Form3 {
void Form_Load(Game& g) { LoadDialog(g, g.form3); }
void File1_Click(Game& g, const std::string& file) { PickFile(g.form3, file); }
void Loaded_Click(Game& g) { Act(g, g.form3, FileC::LoadGame); }
void Loaded_MouseMove(Game& g) { HoverAction(g.form3); }
void Cancel_MouseMove(Game& g) { HoverCancel(g.form3); }
void Form_MouseMove(Game& g) { HoverBackground(g.form3); }
}  // namespace Form3

}  // namespace kararion
