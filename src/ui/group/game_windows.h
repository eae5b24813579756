#pragma once
// The game's windows as one set: they own the rules' state, draw it, dock the
// side windows to the main window and open the dialogs. This is where the
// parts meet: the docking (docking.h), the player's view and sound
// (view_preferences.h), the places of the windows (group_geometry.h) and the
// context menu (context_menu.h). The clock and the effects come from outside,
// so tests can drive the real windows on a virtual clock with recording effects.
#include <QDialog>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "machine/game.h"
#include "session/session_record.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {

class MainWindow;
class InfoWindow;
class MenuWindow;
class FileDialog;
class VersionWindow;
class DataWindow;
class HelpWindow;
class GameKeys;
class Announcer;
class WinFrame;
class OutcomeWatch;
class ContextMenu;
class GroupDocking;
class ViewPreferences;
struct BesideWindow;
struct GroupWindows;

class GameWindows : public WindowHost {
public:
    // The game is its owner's (the program, or a test that sets it up).
    explicit GameWindows(Game& game);
    ~GameWindows() override;
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    // The windows' view of the rules: read-only. Every change goes through Send.
    const Game& game() const override { return game_; }

    // The main window's load: start values, side windows shown and docked,
    // the main window shown with the group centred on the primary screen, at
    // the zoom and with the sound the player chose last time.
    void Start();

    void Send(const machine::Order& order) override;
    // Says what happened since the last time, then draws every window from
    // the rules' state (only what changed).
    void RefreshAll() override;
    // Draws without speaking: before a message box, whose taking the focus
    // would cut the words off. They are said once it is closed.
    void Redraw();
    // Says the whole state on the player's asking.
    void SayState() override;
    void Say(const QString& words) override;

    // The menu's commands. The dialogs are created on first use and shown modally.
    // Neither opens, nor does a save or load run, while the save folder
    // cannot be used: the player is told so instead.
    void OpenSaveDialog() override;
    void OpenLoadDialog() override;
    void OpenVersionWindow() override;
    // The data counter: its own window, not docked, created on first use; opening it again raises it.
    void OpenDataWindow() override;
    // Readies the folder the saves go to and says, in the player's words,
    // why it cannot be used (an empty text when it can). Without one, the
    // folder is the rules' own and needs no readying.
    void SetSaveFolderCheck(std::function<std::string()> check) { saveFolderCheck_ = std::move(check); }
    // Runs the check; when the folder cannot be used, says so in an error box.
    bool SaveFolderReady() override;
    const session::History& history() const { return record_.history(); }
    // How to play: its own window, like the data window.
    void OpenHelpWindow() override;

    // The player's view and sound, remembered from one session to the next
    // in the desktop's settings folder (ViewPreferences).
    // The zoom steps (percent) at which the whole group fits the screen.
    std::vector<int> ZoomChoices() const;
    // The largest step that keeps the group within half the screen's width, never below 100%.
    int DefaultZoom() const;
    // Scales every window to `percent`, docked, on the screen; remembered.
    void SetZoom(int percent) override;
    // The next step up (+1) or down (-1) among the choices.
    void StepZoom(int direction) override;
    bool SoundOn() const override;
    // Sound on or off in the sound device alone: the rules ask for every sound either way.
    void SetSoundOn(bool on) override;
    void SetSoundSwitch(std::function<void(bool)> soundSwitch);
    int Volume() const override;
    // To the nearest step within 0 to 100%; remembered and said aloud. The
    // sound stays on or off as it was: M brings back the volume set.
    void SetVolume(int percent) override;
    // The next step up (+1) or down (-1), no further than 0 or 100%.
    void StepVolume(int direction) override;
    void SetVolumeSwitch(std::function<void(int)> volumeSwitch);
    // At once, without a question: all timers stop, all windows close.
    void EndProgram() override;
    bool Ended() const override { return ended_; }
    // What ending means beyond that; by default the event loop exits.
    void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

    // Docking: the main window leads, the side windows follow.
    void MainWindowMoved() override;
    void MainWindowStateChanged() override;
    void SideWindowMoved() override;
    bool Docked() const;

    MainWindow* mainWindow() const override { return main_.get(); }
    InfoWindow* infoWindow() const override { return info_; }
    MenuWindow* menuWindow() const override { return menu_; }
    FileDialog* saveDialog() const { return save_; }
    FileDialog* loadDialog() const { return load_; }
    VersionWindow* versionWindow() const { return version_; }
    DataWindow* dataWindow() const override { return data_.get(); }
    HelpWindow* helpWindow() const { return help_.get(); }
    WinFrame* winFrame() const { return winFrame_; }
    Announcer* announcer() const { return announcer_.get(); }

private:
    // Follows the screen the main window is on, as it changes or shrinks.
    void WatchScreen();
    // The zoom steps down to the largest step the screen has room for, up
    // again to the player's own step once there is room (neither remembered),
    // and the group comes back onto the screen.
    void FitScreen();
    // Scales every window to `percent`, docked, on the screen.
    void ShowAtZoom(int percent);
    // Greets the player: the coins and the three keys to begin with.
    void Greet();
    GroupWindows Group() const;
    // The data and help windows as the placement takes them.
    BesideWindow DataBeside() const;
    BesideWindow HelpBeside() const;
    // Puts the data window clear of the group and of the help, with room for
    // the help when that is closed or `helpNext` (placed next).
    void PlaceDataWindow(bool helpNext);
    void PlaceHelpWindow();
    // The data and help windows where they are open and the player has not moved them.
    void PlaceSideWindows();
    void ShowModal(QDialog* dialog);

    Game& game_;
    session::SessionRecord record_{game_.events(), game_.counters()};  // the data counter: hears of every judged game
    std::unique_ptr<MainWindow> main_;
    // The other windows belong to the main window; the data window stands alone.
    InfoWindow* info_ = nullptr;
    MenuWindow* menu_ = nullptr;
    FileDialog* save_ = nullptr;
    FileDialog* load_ = nullptr;
    VersionWindow* version_ = nullptr;
    std::unique_ptr<DataWindow> data_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<ViewPreferences> preferences_;
    std::unique_ptr<ContextMenu> contextMenu_;
    std::unique_ptr<GroupDocking> docking_;
    std::function<void()> onEnd_;
    std::function<std::string()> saveFolderCheck_;
    bool ended_ = false;
    QMetaObject::Connection screenWatch_;
    QObject screenQueue_;  // context of the screen's signals

    // Playing without the mouse or without the lamps.
    std::unique_ptr<GameKeys> keys_;
    WinFrame* winFrame_ = nullptr;  // owned by the main window
    std::unique_ptr<Announcer> announcer_;
    std::unique_ptr<OutcomeWatch> outcome_;
};

}  // namespace kararion::ui
