#pragma once
// What the program settles with the desktop before the game starts: the folder
// it works in, the Qt platform it asks for, and Qt's own texts in Japanese.
// The decisions are plain functions of the environment and the command line.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kararion::ui {

// An environment variable's value; nothing when it is not set.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

// The environment of this process.
Environment ProcessEnvironment();

// The Qt platform to ask for before the application starts; nothing leaves
// Qt's own choice. The windows dock by placing themselves on the screen, which
// a Wayland client may not do, so a Wayland session with X at hand (XWayland)
// gets "xcb". A platform the player named in QT_QPA_PLATFORM or with
// -platform wins; without X the game runs natively, undocked.
// `args` is the whole command line, the program's name first.
std::optional<std::string> ChoosePlatform(const Environment& env, const std::vector<std::string>& args);

// The player's own folder for the game: $XDG_DATA_HOME/kararion, or
// $HOME/.local/share/kararion when XDG_DATA_HOME is unset, empty or relative.
// Nothing when HOME is no absolute path either.
std::optional<std::string> PlayerFolder(const Environment& env);

// What the player's folder (or its data/) is, as the game decides whether it
// may keep saves there. `mode` is the permission bits, `owner` the user id.
struct FolderFacts {
    enum class Kind { Missing, Folder, NotAFolder, LinkToNothing };
    Kind kind = Kind::Missing;
    unsigned owner = 0;
    unsigned mode = 0;
};

enum class FolderVerdict {
    Make,        // missing: made, the player's alone (0700)
    Use,         // the player's own, closed to others
    Tighten,     // the player's own but open to others: closed to 0700 first
    OtherOwner,  // another user's: never used
    NotAFolder,
    LinkToNothing,
    NotWritable,  // the player's own, but the player may not write or enter it
};

// The decision for a folder with `facts`, for the user `player`. Saves are
// private, so only a folder of the player's own will do.
FolderVerdict JudgeFolder(const FolderFacts& facts, unsigned player);

// Makes the player's folder and its data/ ready for a save, as a start or a
// save needs them: missing folders (and missing parents) are made the
// player's alone (0700), an own folder open to others is closed, and any
// folder JudgeFolder refuses is left as it is. `folder` is the player's
// folder (PlayerFolder; nothing when there is none). Returns, in the player's
// words, that the folder cannot be used, with its path and why; or an empty
// text when it can.
std::string PreparePlayerFolder(const std::optional<std::string>& folder);

// Installs Qt's Japanese translation in the running application, so that
// Qt's own texts (a text field's context menu) read like the game. False when
// the translation is not installed.
bool LoadQtJapanese();

}  // namespace kararion::ui
