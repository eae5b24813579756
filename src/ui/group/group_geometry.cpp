#include "ui/group/group_geometry.h"

#include <QtGui/private/qwindow_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace kararion::ui {
namespace {

// The start that keeps [start, start + length) inside [low, high); a span
// longer than that keeps its start on it.
int Within(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length)); }

QPlatformWindow* Platform(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->handle() : nullptr;
}

}  // namespace

GroupPlaces DockedGroup(const GroupFrames& frames, QPoint mainAt, const QRect& area) {
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();

    // Across: the whole group where it fits. Where it does not, the menu
    // against the right edge and as much of the information window as there
    // is room for; the group cannot move then.
    const int groupWidth = frames.info.width() + frames.main.width() + frames.menu.width();
    const int mainAndMenuWidth = frames.main.width() + frames.menu.width();
    const int mainLeft =
        groupWidth <= area.width()
            ? Within(mainAt.x() - frames.info.width(), groupWidth, area.left(), areaRight) + frames.info.width()
            : Within(areaRight - mainAndMenuWidth, mainAndMenuWidth, area.left(), areaRight);

    // Down: the tallest window where all fit, else the taller of the main window and the menu.
    const int mainAndMenu = std::max(frames.main.height(), frames.menu.height());
    const int tallest = std::max(frames.info.height(), mainAndMenu);
    const int top = Within(mainAt.y(), tallest <= area.height() ? tallest : mainAndMenu, area.top(), areaBottom);

    return GroupPlaces{.info = QPoint(mainLeft - frames.info.width(), top),
                       .main = QPoint(mainLeft, top),
                       .menu = QPoint(mainLeft + frames.main.width(), top)};
}

QPoint BesideGroup(QSize size, const QRect& group, const QRect& area) {
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();
    const int groupRight = group.left() + group.width();
    const int groupBottom = group.top() + group.height();
    const int level = Within(group.top(), size.height(), area.top(), areaBottom);
    const int aligned = Within(group.left(), size.width(), area.left(), areaRight);
    struct Side {
        int room;  // between the group and the area's edge
        int need;
        bool fitsAlong;
        QPoint at;
    };
    const bool tallEnough = size.height() <= area.height();
    const bool wideEnough = size.width() <= area.width();
    const Side sides[] = {
        {areaRight - groupRight, size.width(), tallEnough, QPoint(groupRight, level)},
        {group.left() - area.left(), size.width(), tallEnough, QPoint(group.left() - size.width(), level)},
        {areaBottom - groupBottom, size.height(), wideEnough, QPoint(aligned, groupBottom)},
        {group.top() - area.top(), size.height(), wideEnough, QPoint(aligned, group.top() - size.height())},
    };
    const Side* best = &sides[0];
    for (const Side& side : sides) {
        if (side.fitsAlong && side.room >= side.need) return side.at;
        if (side.need - side.room < best->need - best->room) best = &side;
    }
    return QPoint(Within(best->at.x(), size.width(), area.left(), areaRight),
                  Within(best->at.y(), size.height(), area.top(), areaBottom));
}

QRect DeviceFrame(const QWidget* window) {
    if (const QPlatformWindow* platform = Platform(window)) {
        return platform->geometry().marginsAdded(platform->frameMargins());
    }
    // Not yet on the screen: where Qt will put it.
    const QRect frame = window->frameGeometry();
    const qreal ratio = window->devicePixelRatioF();
    return QRect(QPoint(qRound(frame.left() * ratio), qRound(frame.top() * ratio)),
                 QSize(qRound(frame.width() * ratio), qRound(frame.height() * ratio)));
}

QRect DeviceArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return QRect(0, 0, 1 << 15, 1 << 15);
    return screen->handle()->availableGeometry();
}

void MoveFrame(QWidget* window, QPoint topLeft) {
    QPlatformWindow* platform = Platform(window);
    if (platform == nullptr) {
        const qreal ratio = window->devicePixelRatioF();
        window->move(qRound(topLeft.x() / ratio), qRound(topLeft.y() / ratio));
        return;
    }
    const QMargins frame = platform->frameMargins();
    QRect inner = platform->geometry();
    const QPoint innerAt = topLeft + QPoint(frame.left(), frame.top());
    if (inner.topLeft() == innerAt) return;
    inner.moveTopLeft(innerAt);
    // What QWindow would note on a move of its own: the place is ours, not the
    // window manager's to choose, and it is the inside's, not the frame's.
    QWindowPrivate* state = QWindowPrivate::get(window->windowHandle());
    state->positionAutomatic = false;
    state->positionPolicy = QWindowPrivate::WindowFrameExclusive;
    platform->setGeometry(inner);
}

}  // namespace kararion::ui
