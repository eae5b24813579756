#pragma once
// The game's windows as one set: they own the rules' state, draw it, dock the
// side windows to the main window and open the dialogs. The clock and the
// effects come from outside, so tests can drive the real windows on a virtual
// clock with recording effects.
#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "core/game.h"

namespace kararion::ui {

class MainWindow;
class InfoWindow;
class MenuWindow;
class FileDialog;
class VersionWindow;
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

    // Draws every window from the rules' state (only what changed).
    void RefreshAll();

    // The menu's commands. The dialogs are created on first use and shown modally.
    void OpenSaveDialog();
    void OpenLoadDialog();
    void OpenVersionWindow();
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
    FileDialog* saveDialog() const { return save_.get(); }
    FileDialog* loadDialog() const { return load_.get(); }
    VersionWindow* versionWindow() const { return version_.get(); }
    WinFrame* winFrame() const { return winFrame_; }
    Announcer* announcer() const { return announcer_; }

private:
    void Dock();
    void PlaceGroup();
    void ShowModal(QWidget* dialog);

    Game game_;
    std::unique_ptr<MainWindow> main_;
    InfoWindow* info_ = nullptr;  // owned by the main window
    MenuWindow* menu_ = nullptr;  // owned by the main window
    std::unique_ptr<FileDialog> save_;
    std::unique_ptr<FileDialog> load_;
    std::unique_ptr<VersionWindow> version_;
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
