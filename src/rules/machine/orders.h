#pragma once
// The player's commands as values: what the windows send the rules, by name,
// instead of reaching into the game.
#include <string>

#include "menu/menu_entries.h"

namespace kararion::machine {

enum class FileDialogKind { Save, Load };

struct Order {
    enum class Kind {
        ClickBackground,
        ClickStop,  // reel
        ClickBetUp,
        ClickBetDown,
        HoverBetUp,
        HoverBetDown,
        HoverBetBackground,
        ClickStart,
        HoverMenu,  // entry
        HoverMenuBackground,
        OpenDialog,  // dialog
        TypeName,    // dialog, text
        PickFile,    // dialog, text
        ClickDialogAction,
        HoverDialogAction,
        HoverCancel,
        HoverDialogBackground,
        SetSaveFolder,  // text
        StartAfresh,
        EndProgram,
    };

    Kind kind = Kind::ClickBackground;
    int reel = 0;
    menu::Entry entry = menu::Entry::Start;
    FileDialogKind dialog = FileDialogKind::Save;
    std::string text = {};

    static Order Stop(int reel) { return {.kind = Kind::ClickStop, .reel = reel}; }
    static Order Hover(menu::Entry entry) { return {.kind = Kind::HoverMenu, .entry = entry}; }
    static Order ForDialog(Kind kind, FileDialogKind dialog, std::string text = {}) {
        return {.kind = kind, .dialog = dialog, .text = std::move(text)};
    }
};

}  // namespace kararion::machine
