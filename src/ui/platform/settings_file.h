#pragma once
// The player's view and sound settings, kept in the desktop's settings
// folder. Opening them must never block the game nor write outside that
// folder, whatever lies in their place.
#include <QSettings>
#include <memory>
#include <optional>
#include <string>

#include "ui/platform/desktop_start.h"

namespace kararion::ui {

// $XDG_CONFIG_HOME/kararion/kararion.conf, or $HOME/.config/kararion/kararion.conf
// when XDG_CONFIG_HOME is unset, empty or relative (the desktop's rules ignore
// a relative one). Nothing when HOME is no absolute path either.
std::optional<std::string> SettingsFile(const Environment& env);

// The settings, to read or write now and close: only when their file (and its
// lock) is a regular file or missing, for anything else (a FIFO, a device, a
// folder) may block or break the game as it is opened. Otherwise nothing,
// and stderr says, once a run, that the settings will not be remembered.
std::unique_ptr<QSettings> OpenSettings();

}  // namespace kararion::ui
