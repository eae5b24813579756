#include "ui/group/docking.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>

#include "ui/group/group_geometry.h"

namespace kararion::ui {
namespace {

// A window manager that keeps a side window from its place must not make us
// fight it without pause: past this many snap-backs in a second we wait for
// the second to end (or the main window to move) before trying again.
constexpr int kMaxSnapsPerSecond = 20;

// Where the group belongs, led by where the main window stands now.
GroupPlaces Docking(const QWidget* main, const QWidget* info, const QWidget* menu) {
    const QRect at = DeviceFrame(main);
    return DockedGroup({.info = DeviceFrame(info).size(), .main = at.size(), .menu = DeviceFrame(menu).size()},
                       at.topLeft(), DeviceArea(main));
}

}  // namespace

GroupDocking::GroupDocking(QWidget* main, QWidget* info, QWidget* menu) : main_(main), info_(info), menu_(menu) {}

bool GroupDocking::Docked() const {
    const GroupPlaces at = Docking(main_, info_, menu_);
    return DeviceFrame(main_).topLeft() == at.main && DeviceFrame(info_).topLeft() == at.info &&
           DeviceFrame(menu_).topLeft() == at.menu;
}

void GroupDocking::Dock() {
    const GroupPlaces at = Docking(main_, info_, menu_);
    // The main window first: when it has to move, its move docks the others.
    MoveFrame(main_, at.main);
    MoveFrame(menu_, at.menu);
    MoveFrame(info_, at.info);
}

void GroupDocking::MainWindowMoved() {
    snapAttempts_ = 0;
    Dock();
}

void GroupDocking::MainWindowStateChanged() {
    if (stopped_) return;
    if (main_->isMinimized()) {
        menu_->hide();
        info_->hide();
    } else if (main_->isVisible() && !menu_->isVisible()) {
        menu_->show();
        info_->show();
        Dock();
    }
}

void GroupDocking::SideWindowMoved() {
    if (stopped_ || snapQueued_ || Docked()) return;
    if (!snapClock_.isValid() || snapClock_.elapsed() > 1000) {
        snapClock_.start();
        snapAttempts_ = 0;
    }
    if (snapAttempts_ >= kMaxSnapsPerSecond) {
        // Not for good: once the second is over, the window is put back.
        if (!snapRetryQueued_) {
            snapRetryQueued_ = true;
            const qint64 left = std::max<qint64>(0, 1000 - snapClock_.elapsed()) + 1;
            QTimer::singleShot(std::chrono::milliseconds(left), &queue_, [this] {
                snapRetryQueued_ = false;
                SideWindowMoved();
            });
        }
        return;
    }
    // Queued: the window system finishes the move it is reporting before we
    // put the window back.
    snapQueued_ = true;
    QTimer::singleShot(0, &queue_, [this] {
        snapQueued_ = false;
        ++snapAttempts_;
        Dock();
    });
}

}  // namespace kararion::ui
