#pragma once
// Where the three windows stand: the information window against the main
// window's left edge, the menu against its right edge, tops level, and the
// whole group on the screen. Reckoned in device pixels, the window system's
// own units: at a fractional scale a logical pixel has no exact place on the
// screen, and docked edges worked out in logical pixels round apart.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kararion::ui {

// Outer sizes of the windows, frames included.
struct GroupFrames {
    QSize info;
    QSize main;
    QSize menu;
};

// Top-left corners of the windows' frames.
struct GroupPlaces {
    QPoint info;
    QPoint main;
    QPoint menu;
};

// The group docked to a main window whose frame stands at `mainAt`, shifted
// as a whole where a window would leave `area` (the screen's available area).
// A group larger than the area keeps the main window and the menu on it, the
// main window's corner first, with the information window hanging off the left.
GroupPlaces DockedGroup(const GroupFrames& frames, QPoint mainAt, const QRect& area);

// Where a window whose frame is `size` stands clear of the docked group whose
// frames span `group`: to its right, else its left, else below it, else above
// it, wherever the area has room for it whole, level with the group's top (or
// left) edge as far as the area allows. With no such room it keeps to the side
// that lacks the least, pushed whole onto the area over the group's edge.
QPoint BesideGroup(QSize size, const QRect& group, const QRect& area);

// A top-level window's frame on the screen, in device pixels.
QRect DeviceFrame(const QWidget* window);
// The available area of the screen the window is on, in device pixels.
QRect DeviceArea(const QWidget* window);
// Puts the window's frame at `topLeft` (device pixels); nothing when it is there.
void MoveFrame(QWidget* window, QPoint topLeft);

}  // namespace kararion::ui
