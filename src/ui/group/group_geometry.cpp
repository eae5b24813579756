#include "ui/group/group_geometry.h"

#include <QtGui/private/qwindow_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

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

namespace {

// The window at `size` inside `room` nearest one of the group's sides
// (right, left, below, above; level with the group's top or left edge), and
// what that costs: how far it was pushed from the side, the earlier side
// first on a tie.
struct Nearest {
    QRect at;
    long long cost = 0;
};

Nearest NearestToGroup(QSize size, const QRect& group, const QRect& room) {
    const QPoint anchors[] = {
        QPoint(group.left() + group.width(), group.top()),
        QPoint(group.left() - size.width(), group.top()),
        QPoint(group.left(), group.top() + group.height()),
        QPoint(group.left(), group.top() - size.height()),
    };
    const int roomRight = room.left() + room.width();
    const int roomBottom = room.top() + room.height();
    Nearest best;
    for (int side = 0; side < 4; ++side) {
        const QPoint anchor = anchors[side];
        const QPoint at(Within(anchor.x(), size.width(), room.left(), roomRight),
                        Within(anchor.y(), size.height(), room.top(), roomBottom));
        const long long cost = 4LL * (at - anchor).manhattanLength() + side;
        if (best.at.isNull() || cost < best.cost) best = {QRect(at, size), cost};
    }
    return best;
}

// The largest rectangles of `area` that cover no obstacle: each is bounded
// by the area's and the obstacles' edges.
std::vector<QRect> FreeRectangles(const QRect& area, const std::vector<QRect>& obstacles) {
    std::vector<int> xs{area.left(), area.left() + area.width()};
    std::vector<int> ys{area.top(), area.top() + area.height()};
    for (const QRect& o : obstacles) {
        for (int x : {o.left(), o.left() + o.width()}) xs.push_back(std::clamp(x, xs[0], xs[1]));
        for (int y : {o.top(), o.top() + o.height()}) ys.push_back(std::clamp(y, ys[0], ys[1]));
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<QRect> free;
    for (std::size_t l = 0; l < xs.size(); ++l) {
        for (std::size_t r = l + 1; r < xs.size(); ++r) {
            for (std::size_t t = 0; t < ys.size(); ++t) {
                for (std::size_t b = t + 1; b < ys.size(); ++b) {
                    const QRect rect(QPoint(xs[l], ys[t]), QPoint(xs[r] - 1, ys[b] - 1));
                    if (std::none_of(obstacles.begin(), obstacles.end(),
                                     [&rect](const QRect& o) { return o.intersects(rect); }))
                        free.push_back(rect);
                }
            }
        }
    }
    // Only the largest: none inside another.
    std::vector<QRect> largest;
    for (const QRect& rect : free) {
        if (std::none_of(free.begin(), free.end(),
                         [&rect](const QRect& other) { return other != rect && other.contains(rect); }))
            largest.push_back(rect);
    }
    return largest;
}

bool HasRoomFor(QSize size, const QRect& area, const std::vector<QRect>& obstacles) {
    const std::vector<QRect> free = FreeRectangles(area, obstacles);
    return std::any_of(free.begin(), free.end(), [size](const QRect& room) {
        return room.width() >= size.width() && room.height() >= size.height();
    });
}

long long Overlap(const QRect& window, const std::vector<QRect>& obstacles) {
    long long covered = 0;
    for (const QRect& o : obstacles) {
        const QRect both = o.intersected(window);
        covered += static_cast<long long>(both.width()) * both.height();
    }
    return covered;
}

}  // namespace

QRect PlaceSideWindow(const SideWindowSizes& sizes, const QRect& area, const QRect& group, const QRect& other,
                      QSize leave) {
    const QSize frame(sizes.frame.left() + sizes.frame.right(), sizes.frame.top() + sizes.frame.bottom());
    const QSize natural = (sizes.natural + frame).boundedTo(area.size());
    const QSize least = (sizes.least.boundedTo(sizes.natural) + frame).boundedTo(area.size());
    std::vector<QRect> obstacles{group};
    if (!other.isEmpty()) obstacles.push_back(other);
    const std::vector<QRect> free = FreeRectangles(area, obstacles);

    // Each free rectangle offers the window its natural size, or as much of
    // it as the rectangle holds, or that less what the other window needs
    // beside or below it; nearest the group or in one of the corners.
    struct Candidate {
        QRect at;
        bool leaves;
        long long size;
        long long cost;
    };
    std::optional<Candidate> best;
    auto better = [](const Candidate& a, const Candidate& b) {
        if (a.leaves != b.leaves) return a.leaves;
        if (a.size != b.size) return a.size > b.size;
        return a.cost < b.cost;
    };
    for (const QRect& room : free) {
        const QSize whole = natural.boundedTo(room.size());
        std::vector<QSize> sizesHere{whole};
        if (!leave.isEmpty()) {
            sizesHere.emplace_back(std::min(whole.width(), room.width() - leave.width()), whole.height());
            sizesHere.emplace_back(whole.width(), std::min(whole.height(), room.height() - leave.height()));
        }
        for (const QSize& size : sizesHere) {
            if (size.width() < least.width() || size.height() < least.height()) continue;
            const Nearest nearest = NearestToGroup(size, group, room);
            const int right = room.left() + room.width() - size.width();
            const int bottom = room.top() + room.height() - size.height();
            for (const QPoint& at : {nearest.at.topLeft(), room.topLeft(), QPoint(right, room.top()),
                                     QPoint(room.left(), bottom), QPoint(right, bottom)}) {
                const QRect placed(at, size);
                std::vector<QRect> after = obstacles;
                after.push_back(placed);
                const Candidate candidate{
                    .at = placed,
                    .leaves = leave.isEmpty() || HasRoomFor(leave.boundedTo(area.size()), area, after),
                    .size = static_cast<long long>(size.width()) * size.height(),
                    .cost = NearestToGroup(size, group, placed).cost};
                if (!best || better(candidate, *best)) best = candidate;
            }
        }
    }
    if (best) return best->at;

    // No such room: its size at 100%, over the others as little as it can.
    std::vector<int> xs{area.left(), area.left() + area.width() - least.width()};
    std::vector<int> ys{area.top(), area.top() + area.height() - least.height()};
    for (const QRect& o : obstacles) {
        xs.insert(xs.end(), {o.left() - least.width(), o.left() + o.width(), o.left()});
        ys.insert(ys.end(), {o.top() - least.height(), o.top() + o.height(), o.top()});
    }
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();
    QRect overlapping;
    long long bestCover = 0;
    for (int x : xs) {
        for (int y : ys) {
            const QRect at(QPoint(Within(x, least.width(), area.left(), areaRight),
                                  Within(y, least.height(), area.top(), areaBottom)),
                           least);
            const long long cover = Overlap(at, obstacles);
            if (overlapping.isNull() || cover < bestCover) {
                overlapping = at;
                bestCover = cover;
            }
        }
    }
    return overlapping;
}

QPoint GroupStart(QSize size, const QRect& area) {
    (void)size;
    return area.topLeft();
}

QRect GroupAfterZoom(const QRect& group, const QRect& area) {
    if (area.contains(group)) return group;
    const QPoint centred(area.left() + std::max(0, (area.width() - group.width()) / 2),
                         Within(group.top(), group.height(), area.top(), area.top() + area.height()));
    return QRect(centred, group.size());
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

namespace {
// Where PlaceBeside last put a window's frame, in device pixels.
const char* const kPlacedAt = "kararionPlacedAt";
}  // namespace

void PlaceBeside(QWidget* window, QSize natural, QSize least, const QRect& group, const QWidget* other,
                 const QWidget* main, QSize leave) {
    const qreal ratio = main->devicePixelRatioF();
    auto device = [ratio](QSize size) { return QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)); };
    // Its own frame once the window manager has drawn it; before, one like the main window's.
    const QPlatformWindow* framed = Platform(window);
    if (framed == nullptr || framed->frameMargins().isNull()) framed = Platform(main);
    const QMargins frame = framed != nullptr ? framed->frameMargins() : QMargins();
    const QRect otherFrame = other != nullptr && other->isVisible() ? DeviceFrame(other) : QRect();
    const QRect at =
        PlaceSideWindow({.natural = device(natural), .least = device(least), .frame = frame}, DeviceArea(main), group,
                        otherFrame, leave.isEmpty() ? QSize() : device(leave).grownBy(frame));
    const QSize inside = at.size().shrunkBy(frame);
    window->resize(qRound(inside.width() / ratio), qRound(inside.height() / ratio));
    MoveFrame(window, at.topLeft());
    window->setProperty(kPlacedAt, at.topLeft());
}

void WhenFramed(QWidget* window, std::function<void()> then) {
    // Polled: no event says when the frame is known.
    auto* timer = new QTimer(window);
    timer->setInterval(50);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, tries, then = std::move(then)] {
        const QPlatformWindow* platform = Platform(window);
        const bool framed = platform != nullptr && !platform->frameMargins().isNull();
        if (!framed && ++*tries < 40) return;
        timer->deleteLater();
        timer->stop();
        then();
    });
    timer->start();
}

bool MovedByPlayer(const QWidget* window) {
    const QVariant placed = window->property(kPlacedAt);
    return placed.isValid() && window->isVisible() && DeviceFrame(window).topLeft() != placed.toPoint();
}

QRect GroupFrame(const GroupWindows& group) {
    return DeviceFrame(group.info) | DeviceFrame(group.main) | DeviceFrame(group.menu);
}

void PlaceGroupAtStart(const GroupWindows& group) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect info = group.info->frameGeometry();
    const QRect main = group.main->frameGeometry();
    const QRect menu = group.menu->frameGeometry();
    const QSize size(info.width() + main.width() + menu.width(),
                     std::max({info.height(), main.height(), menu.height()}));
    group.main->move(GroupStart(size, screen->availableGeometry()) + QPoint(info.width(), 0));
}

void KeepGroupOnScreen(const GroupWindows& group) {
    const QRect info = DeviceFrame(group.info);
    const QRect main = DeviceFrame(group.main);
    const QRect menu = DeviceFrame(group.menu);
    const QRect frames(
        main.topLeft() - QPoint(info.width(), 0),
        QSize(info.width() + main.width() + menu.width(), std::max({info.height(), main.height(), menu.height()})));
    const QRect fitted = GroupAfterZoom(frames, DeviceArea(group.main));
    if (fitted != frames) MoveFrame(group.main, fitted.topLeft() + QPoint(info.width(), 0));
}

void PlaceBesideGroup(const BesideWindow& placed, const BesideWindow& other, bool otherNext,
                      const GroupWindows& group) {
    const bool otherOpen = other.window != nullptr && other.window->isVisible() && !otherNext;
    PlaceBeside(placed.window, placed.natural, placed.least, GroupFrame(group), otherNext ? nullptr : other.window,
                group.main, otherOpen ? QSize() : other.least);
}

}  // namespace kararion::ui
