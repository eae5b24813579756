#pragma once
// The game's windows as one set: they own the rules' state, draw it, dock the
// side windows to the main window and open the dialogs. The clock and the
// effects come from outside, so tests can drive the real windows on a virtual
// clock with recording effects.
#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "core/game.h"
#include "session/session_record.h"

namespace kararion::ui {

class MainWindow;
class InfoWindow;
class MenuWindow;
class FileDialog;
class VersionWindow;
class DataWindow;
class GameKeys;
class Announcer;
class WinFrame;
class OutcomeWatch;

class GameWindows {
public:
    GameWindows(Effects& effects, TimerHost& timers, std::string programDir);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    Game& game() { return game_; }

    // The main window's load: start values, side windows shown and docked,
    // the main window shown with the group centred on the primary screen.
    void Start();

    // The one way from the windows to the rules: runs `rule` on the game, then
    // draws every window from the state it left.
    template <typename Rule>
    void Act(Rule&& rule) {
        rule(game_);
        RefreshAll();
    }

    // Draws every window from the rules' state (only what changed).
    void RefreshAll();

    // The menu's commands. The dialogs are created on first use and shown modally.
    void OpenSaveDialog();
    void OpenLoadDialog();
    void OpenVersionWindow();
    // The data counter: its own window, not docked, created on first use; opening it again raises it.
    void OpenDataWindow();
    const session::History& history() const { return record_.history(); }
    // At once, without a question: all timers stop, all windows close.
    void EndProgram();
    bool Ended() const { return ended_; }
    // What ending means beyond that; by default the event loop exits.
    void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

    // Docking: the main window leads, the side windows follow.
    void MainWindowMoved();
    void MainWindowStateChanged();
    void SideWindowMoved();
    bool Docked() const;

    MainWindow* mainWindow() const { return main_.get(); }
    InfoWindow* infoWindow() const { return info_; }
    MenuWindow* menuWindow() const { return menu_; }
    FileDialog* saveDialog() const { return save_; }
    FileDialog* loadDialog() const { return load_; }
    VersionWindow* versionWindow() const { return version_; }
    DataWindow* dataWindow() const { return data_.get(); }
    WinFrame* winFrame() const { return winFrame_; }
    Announcer* announcer() const { return announcer_; }

private:
    void Dock();
    void PlaceGroup();
    // Puts the data window clear of the group: always when `fresh`, else only where it covers it.
    void PlaceDataWindow(bool fresh);
    void ShowModal(QDialog* dialog);

    Game game_;
    session::SessionRecord record_{game_};  // the data counter: hears of every ended game
    std::unique_ptr<MainWindow> main_;
    // The other windows belong to the main window; the data window stands alone.
    InfoWindow* info_ = nullptr;
    MenuWindow* menu_ = nullptr;
    FileDialog* save_ = nullptr;
    FileDialog* load_ = nullptr;
    VersionWindow* version_ = nullptr;
    std::unique_ptr<DataWindow> data_;
    std::function<void()> onEnd_;
    bool ended_ = false;
    bool snapQueued_ = false;
    int snapAttempts_ = 0;
    QElapsedTimer snapClock_;
    QObject queue_;  // context of the queued snap-backs

    // Playing without the mouse or without the lamps.
    std::unique_ptr<GameKeys> keys_;
    WinFrame* winFrame_ = nullptr;    // owned by the main window
    Announcer* announcer_ = nullptr;  // owned by the main window
    std::unique_ptr<OutcomeWatch> outcome_;
};

}  // namespace kararion::ui
