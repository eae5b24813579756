#pragma once
// What the windows ask of the set that holds them: the rules to read, the one
// way to change them, and the commands that open, close and dock windows.
// The set (ui/group) answers; the windows never see more of it.
#include "machine/game_fwd.h"
#include "machine/orders.h"

class QString;

namespace kararion::ui {

class MainWindow;
class InfoWindow;
class MenuWindow;
class DataWindow;

inline constexpr int kVolumeStep = 10;

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The windows' view of the rules: read-only.
    virtual const Game& game() const = 0;
    // The one way from the windows to the rules: sends the game a command by
    // name, then draws every window from the state it left.
    virtual void Send(const machine::Order& order) = 0;
    // Says what happened since the last time, then draws every window from
    // the rules' state (only what changed).
    virtual void RefreshAll() = 0;
    // Says the whole state on the player's asking.
    virtual void SayState() = 0;
    // Says a few words of the player's own doing ("サウンド オフ") at once.
    virtual void Say(const QString& words) = 0;

    // The menu's commands.
    virtual void OpenSaveDialog() = 0;
    virtual void OpenLoadDialog() = 0;
    virtual void OpenVersionWindow() = 0;
    virtual void OpenDataWindow() = 0;
    virtual void OpenHelpWindow() = 0;
    virtual void EndProgram() = 0;
    virtual bool Ended() const = 0;
    // Readies the save folder, telling the player when it cannot be used.
    virtual bool SaveFolderReady() = 0;

    // How the player likes it: the zoom in steps (Ctrl+0 back to the first), the sound on or off.
    virtual void SetZoom(int percent) = 0;
    virtual void StepZoom(int direction) = 0;
    virtual bool SoundOn() const = 0;
    virtual void SetSoundOn(bool on) = 0;
    // The volume in percent, 0 to 100 in steps of kVolumeStep, apart from the
    // sound's being on or off.
    virtual int Volume() const = 0;
    virtual void SetVolume(int percent) = 0;
    virtual void StepVolume(int direction) = 0;

    // Docking: the main window leads, the side windows follow.
    virtual void MainWindowMoved() = 0;
    virtual void MainWindowStateChanged() = 0;
    virtual void SideWindowMoved() = 0;

    virtual MainWindow* mainWindow() const = 0;
    virtual InfoWindow* infoWindow() const = 0;
    virtual MenuWindow* menuWindow() const = 0;
    virtual DataWindow* dataWindow() const = 0;  // none before it first opens
};

}  // namespace kararion::ui
