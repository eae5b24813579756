#pragma once
// The rules of the save dialog and the load dialog: a name field, the file
// list of the data folder and two text buttons.
#include <string>
#include <vector>

#include "core/caption.h"
#include "core/ground.h"
#include "save/save_file.h"

namespace kararion::save {

class FileDialogRules {
public:
    FileDialogRules(Ground& ground, SaveFiles& saveFiles);

    void Open();                             // "NewData", a fresh list of the data folder
    void PickFile(const std::string& file);  // the name without its final ".dat"
    void TypeName(const std::string& name);  // what the player typed into the name field
    void HoverAction();                      // over "セーブ" or "ロード"
    void HoverCancel();
    void HoverBackground();

    const std::string& FileName() const { return fileName_; }
    const std::vector<std::string>& Files() const { return files_; }  // the names in the file list
    Caption Action() const { return action_; }                        // "セーブ" (Save) or "ロード" (Loaded)
    Caption Cancel() const { return cancel_; }

protected:
    // Beeps on an empty name, else runs `operation` on it.
    template <typename Operation>
    void ActOnName(Command command, Operation operation);

    Ground& g_;
    SaveFiles& saveFiles_;

private:
    std::string fileName_ = "FileName";
    std::vector<std::string> files_;
    Caption action_{true, kBlack};
    Caption cancel_{true, kBlack};
};

template <typename Operation>
void FileDialogRules::ActOnName(Command command, Operation operation) {
    if (fileName_.empty()) return g_.Refuse(command, Reason::NoName, true);
    // The name is copied: the outcome's message box may let the window layer
    // touch the field while the operation still runs.
    const std::string name = fileName_;
    operation(name);
}

class SaveDialog : public FileDialogRules {
public:
    using FileDialogRules::FileDialogRules;
    void ClickSave() {
        ActOnName(Command::Save, [this](const std::string& name) { saveFiles_.SaveGame(name); });
    }
    void HoverSave() { HoverAction(); }
};

class LoadDialog : public FileDialogRules {
public:
    using FileDialogRules::FileDialogRules;
    // True when the counters were replaced.
    bool ClickLoad() {
        bool loaded = false;
        ActOnName(Command::Load, [this, &loaded](const std::string& name) { loaded = saveFiles_.LoadGame(name); });
        return loaded;
    }
    void HoverLoad() { HoverAction(); }
};

}  // namespace kararion::save
