#pragma once
// Where the three windows stand: the information window against the main
// window's left edge, the menu against its right edge, tops level, and the
// whole group on the screen. Reckoned in device pixels, the window system's
// own units: at a fractional scale a logical pixel has no exact place on the
// screen, and docked edges worked out in logical pixels round apart.
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

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

// What a window of its own beside the group (the data window, the help)
// asks of the screen, in device pixels.
struct SideWindowSizes {
    QSize natural;   // its inside at the zoom, all at its ease
    QSize least;     // its inside at 100%: below that it would rather overlap
    QMargins frame;  // the window manager's frame round the inside, title bar included
};

// Where such a window's frame goes: whole on `area` (the screen's available
// area), clear of the group's frames (`group`) and of the other side window
// (`other`, empty when it is closed). At its natural size where there is
// room, else as large as the largest free rectangle lets it be, down to its
// size at 100%; where there is a choice, one that leaves room for a window
// of `leave` (the other side window's frame at 100%, when it is closed),
// then the largest, then the one nearest the group (beside it to the right,
// left, below, above, level with its edge). Below its size at 100% it keeps
// that size and overlaps the others the least it can.
QRect PlaceSideWindow(const SideWindowSizes& sizes, const QRect& area, const QRect& group, const QRect& other = {},
                      QSize leave = {});

// Where the program starts the group whose frames span `size`: in the top
// left of `area`, leaving the rest of the screen in one piece for the data
// and help windows.
QPoint GroupStart(QSize size, const QRect& area);

// Where the group's frames go after a zoom step has made them `group`, the
// main window's corner kept: where it stands when it is whole on `area`,
// else centred across the area, its top kept as far as the area allows (the
// room below it stays in one piece for the data and help windows).
QRect GroupAfterZoom(const QRect& group, const QRect& area);

// A top-level window's frame on the screen, in device pixels.
QRect DeviceFrame(const QWidget* window);
// The available area of the screen the window is on, in device pixels.
QRect DeviceArea(const QWidget* window);
// Puts the window's frame at `topLeft` (device pixels); nothing when it is there.
void MoveFrame(QWidget* window, QPoint topLeft);

// Sizes and puts a side window as PlaceSideWindow says, on the screen of
// `main`, clear of the group's frames `group` and of `other` where that is
// open, leaving room for an inside of `leave` where it can. `natural`,
// `least` and `leave` are insides in logical pixels.
void PlaceBeside(QWidget* window, QSize natural, QSize least, const QRect& group, const QWidget* other,
                 const QWidget* main, QSize leave = {});
// Runs `then` once the window manager has framed the window (a place
// reckoned with a guessed frame is put right then), or after two seconds.
void WhenFramed(QWidget* window, std::function<void()> then);
// Whether the player has moved the window since PlaceBeside put it.
bool MovedByPlayer(const QWidget* window);

// The three game windows, which their owner keeps.
struct GroupWindows {
    QWidget* info;
    QWidget* main;
    QWidget* menu;
};

// The three windows' frames together, in device pixels.
QRect GroupFrame(const GroupWindows& group);
// Puts the main window where GroupStart says on the primary screen. Frames
// are not known before the windows are shown; the docking then adds them on.
void PlaceGroupAtStart(const GroupWindows& group);
// After a zoom step: the main window keeps its corner, unless the group would
// leave the screen there; then it is centred (GroupAfterZoom). The side
// windows are docked afterwards.
void KeepGroupOnScreen(const GroupWindows& group);

// The data window or the help, as PlaceBeside takes it: none before it first
// opens; its inside at the zoom and at 100%, in logical pixels.
struct BesideWindow {
    QWidget* window = nullptr;
    QSize natural;
    QSize least;
};
// Puts `placed` beside the group, clear of `other` where that is open, and
// leaving room for `other` at 100% where it is closed or is placed next
// (`otherNext`).
void PlaceBesideGroup(const BesideWindow& placed, const BesideWindow& other, bool otherNext, const GroupWindows& group);

}  // namespace kararion::ui
