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

// Makes `folder` and its data/ for the saves, with any missing parent; the
// folders it makes are the player's alone (0700), folders already there are
// left as they are. Returns what went wrong, or an empty text.
std::string MakeSaveFolders(const std::string& folder);

// Installs Qt's Japanese translation in the running application, so that
// Qt's own texts (a text field's context menu) read like the game. False when
// the translation is not installed.
bool LoadQtJapanese();

}  // namespace kararion::ui
