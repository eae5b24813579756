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
    void PickFile(const std::string& file);  // the name up to its first dot
    void TypeName(const std::string& name);  // what the player typed into the name field
    void HoverCancel();
    void HoverBackground();

    std::string FileName = "FileName";
    std::vector<std::string> files;  // the names in the file list
    Caption Action{true, kBlack};    // "セーブ" (Save) or "ロード" (Loaded)
    Caption Cancel{true, kBlack};

protected:
    // Beeps on an empty name, else runs `operation` on it.
    void ActOnName(void (SaveFiles::*operation)(const std::string&));
    void HoverAction();

    Ground& g_;
    SaveFiles& saveFiles_;
};

class SaveDialog : public FileDialogRules {
public:
    using FileDialogRules::FileDialogRules;
    void ClickSave() { ActOnName(&SaveFiles::SaveGame); }
    void HoverSave() { HoverAction(); }
};

class LoadDialog : public FileDialogRules {
public:
    using FileDialogRules::FileDialogRules;
    void ClickLoad() { ActOnName(&SaveFiles::LoadGame); }
    void HoverLoad() { HoverAction(); }
};

}  // namespace kararion::save
