#pragma once
// The docked group: the main window leads, the information window and the
// menu follow it edge to edge (group_geometry says where). A side window
// moved alone is put back, but a window manager that keeps it from its place
// is not fought without pause.
#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace kararion::ui {

class GroupDocking {
public:
    // The three windows belong to their owner and outlive the docking.
    GroupDocking(QWidget* main, QWidget* info, QWidget* menu);
    GroupDocking(const GroupDocking&) = delete;
    GroupDocking& operator=(const GroupDocking&) = delete;

    // Puts the side windows against the main window, moving it as well where
    // the group would leave the screen.
    void Dock();
    bool Docked() const;

    // The main window moved: the side windows follow at once.
    void MainWindowMoved();
    // Minimized, the side windows go with it; shown again, they come back docked.
    void MainWindowStateChanged();
    // A side window moved alone: it goes back once the move is over.
    void SideWindowMoved();
    // The program has ended: nothing is shown or put back any more.
    void Stop() { stopped_ = true; }

private:
    QWidget* main_;
    QWidget* info_;
    QWidget* menu_;
    bool stopped_ = false;
    bool snapQueued_ = false;
    bool snapRetryQueued_ = false;  // one more try once a burst of snap-backs is over
    int snapAttempts_ = 0;
    QElapsedTimer snapClock_;
    QObject queue_;  // context of the queued snap-backs
};

}  // namespace kararion::ui
