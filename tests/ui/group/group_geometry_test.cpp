// Where the docked group goes on screens of every size and scale.
#include <QTest>
#include <algorithm>
#include <tuple>
#include <vector>

#include "ui/group/group_geometry.h"

using namespace kararion::ui;

namespace {

QRect Frame(QPoint at, QSize size) { return QRect(at, size); }

// Docked, tops level and inside the area: what every placement must keep
// when the group fits on the screen.
void CheckDockedOnScreen(const GroupFrames& frames, const GroupPlaces& at, const QRect& area) {
    const QRect info = Frame(at.info, frames.info);
    const QRect main = Frame(at.main, frames.main);
    const QRect menu = Frame(at.menu, frames.menu);
    QCOMPARE(info.right() + 1, main.left());
    QCOMPARE(main.right() + 1, menu.left());
    QCOMPARE(info.top(), main.top());
    QCOMPARE(menu.top(), main.top());
    QVERIFY(area.contains(info));
    QVERIFY(area.contains(main));
    QVERIFY(area.contains(menu));
}

}  // namespace

class GroupGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void staysWhereTheMainWindowPutsIt();
    void shiftsAwayFromEveryEdge();
    void keepsTheMainWindowAndMenuOnASmallScreen();
    void putsTheSideWindowsClearOfTheGroupOnEveryScreen();
    void placesBesideTheGroupFirst();
    void recentresAGroupPushedOffTheScreen();
};

void GroupGeometryTest::staysWhereTheMainWindowPutsIt() {
    const GroupFrames frames{.info = QSize(188, 125), .main = QSize(194, 161), .menu = QSize(89, 148)};
    const QRect area(0, 0, 1280, 1024);
    const GroupPlaces at = DockedGroup(frames, QPoint(500, 300), area);
    QCOMPARE(at.main, QPoint(500, 300));
    QCOMPARE(at.info, QPoint(312, 300));
    QCOMPARE(at.menu, QPoint(694, 300));
}

void GroupGeometryTest::shiftsAwayFromEveryEdge() {
    // Frame sizes in device pixels as a window manager draws them at
    // scales 1.25, 1.5 and 2: odd widths that no logical pixel divides.
    const GroupFrames scaled[] = {
        {.info = QSize(235, 151), .main = QSize(242, 196), .menu = QSize(111, 180)},
        {.info = QSize(281, 177), .main = QSize(290, 231), .menu = QSize(133, 212)},
        {.info = QSize(374, 229), .main = QSize(386, 301), .menu = QSize(176, 275)},
    };
    // A panel on top and one on the left, as the work area leaves them.
    const QRect area(48, 30, 1600 - 48, 900 - 30);
    for (const GroupFrames& frames : scaled) {
        // Dragged against the left edge: the information window stays whole.
        GroupPlaces at = DockedGroup(frames, QPoint(0, 300), area);
        CheckDockedOnScreen(frames, at, area);
        QCOMPARE(at.info.x(), area.left());
        // Against the right edge and below the bottom: the menu stays whole.
        at = DockedGroup(frames, QPoint(1500, 880), area);
        CheckDockedOnScreen(frames, at, area);
        QCOMPARE(at.menu.x() + frames.menu.width(), area.right() + 1);
        QCOMPARE(at.main.y() + frames.main.height(), area.bottom() + 1);
        // Above the top: the title bars stay reachable.
        at = DockedGroup(frames, QPoint(700, -50), area);
        CheckDockedOnScreen(frames, at, area);
        QCOMPARE(at.main, QPoint(700, area.top()));
    }
}

void GroupGeometryTest::keepsTheMainWindowAndMenuOnASmallScreen() {
    // 800x600 at scale 2: the group is 936 pixels wide.
    const GroupFrames frames{.info = QSize(374, 229), .main = QSize(386, 301), .menu = QSize(176, 275)};
    const QRect area(0, 0, 800, 600);
    for (QPoint wanted : {QPoint(0, 0), QPoint(300, 100), QPoint(700, 500)}) {
        const GroupPlaces at = DockedGroup(frames, wanted, area);
        const QRect main = Frame(at.main, frames.main);
        const QRect menu = Frame(at.menu, frames.menu);
        QVERIFY(area.contains(main));
        QVERIFY(area.contains(menu));
        QCOMPARE(main.right() + 1, menu.left());
        QCOMPARE(at.info.x() + frames.info.width(), at.main.x());
        QCOMPARE(at.info.y(), at.main.y());
        // As much of the information window as there is room for.
        QCOMPARE(menu.right() + 1, area.right() + 1);
    }
    // Too small even for those two: the main window's corner stays on it.
    const GroupPlaces at = DockedGroup(frames, QPoint(-100, -100), QRect(0, 0, 400, 200));
    QCOMPARE(at.main, QPoint(0, 0));
}

namespace {

struct Screen {
    const char* name;
    QRect area;  // device pixels
    int scale;
};

// Whether a window of `size` fits somewhere on `area` clear of every one of
// `obstacles`: searched in steps, apart from the function under test.
bool RoomFor(QSize size, const QRect& area, const std::vector<QRect>& obstacles) {
    const int step = 4;
    for (int x = area.left(); x + size.width() <= area.left() + area.width(); x += step) {
        for (int y = area.top(); y + size.height() <= area.top() + area.height(); y += step) {
            const QRect at(QPoint(x, y), size);
            if (std::none_of(obstacles.begin(), obstacles.end(), [&at](const QRect& o) { return o.intersects(at); }))
                return true;
        }
    }
    return false;
}

}  // namespace

void GroupGeometryTest::putsTheSideWindowsClearOfTheGroupOnEveryScreen() {
    // The four screens players use most, the last at scale 2; the windows'
    // insides scale with the zoom, the window manager's frames do not.
    const Screen screens[] = {{"1280x1024", QRect(0, 0, 1280, 1024), 1},
                              {"1366x768", QRect(0, 0, 1366, 768), 1},
                              {"1920x1080", QRect(0, 0, 1920, 1080), 1},
                              {"2560x1600@2", QRect(0, 0, 2560, 1600), 2}};
    const QMargins frame(1, 20, 1, 1);
    const QSize inside[3] = {QSize(186, 104), QSize(192, 140), QSize(87, 127)};  // information, main, menu at 100%
    const QSize data(458, 528), help(480, 560);
    for (const Screen& screen : screens) {
        const QRect& area = screen.area;
        auto groupAt = [&](int percent) {
            QSize group(0, 0);
            for (const QSize& window : inside) {
                const QSize framed = (window * screen.scale * percent / 100).grownBy(frame);
                group = QSize(group.width() + framed.width(), std::max(group.height(), framed.height()));
            }
            return group;
        };
        // The steps offered, and the default: the largest within half the screen's width.
        std::vector<int> offered;
        int defaultZoom = 100;
        for (int percent : {100, 125, 150, 200, 250, 300}) {
            const QSize group = groupAt(percent);
            if (group.width() > area.width() || group.height() > area.height()) continue;
            offered.push_back(percent);
            if (group.width() <= area.width() / 2) defaultZoom = percent;
        }
        auto infoWidth = [&](int percent) { return (inside[0] * screen.scale * percent / 100).grownBy(frame).width(); };
        for (int percent : offered) {
            const QSize group = groupAt(percent);
            auto at = [&](QSize size) { return size * screen.scale * percent / 100; };
            // Where the program starts it, dragged into the middle and each
            // corner, and zoomed to this step from its start at the default
            // zoom (the main window's corner kept).
            const QPoint first = GroupStart(groupAt(defaultZoom), area);
            const QPoint zoomed =
                GroupAfterZoom(QRect(first + QPoint(infoWidth(defaultZoom) - infoWidth(percent), 0), group), area)
                    .topLeft();
            const QPoint starts[] = {GroupStart(group, area),
                                     QPoint((area.width() - group.width()) / 2, (area.height() - group.height()) / 2),
                                     QPoint(0, 0), QPoint(area.width() - group.width(), area.height() - group.height()),
                                     zoomed};
            std::vector<bool> clear;
            for (const QPoint& start : starts) {
                const QRect groupRect(start, group);
                const QString where = QStringLiteral("%1 at %2%, group at %3,%4")
                                          .arg(QLatin1String(screen.name))
                                          .arg(percent)
                                          .arg(start.x())
                                          .arg(start.y());
                const SideWindowSizes dataSizes{.natural = at(data), .least = data * screen.scale, .frame = frame};
                const SideWindowSizes helpSizes{.natural = at(help), .least = help * screen.scale, .frame = frame};
                // D, then F1.
                const QRect d = PlaceSideWindow(dataSizes, area, groupRect, {}, helpSizes.least.grownBy(frame));
                const QRect h = PlaceSideWindow(helpSizes, area, groupRect, d);
                if (qEnvironmentVariableIsSet("SHOW")) {
                    qInfo("%s: group %d,%d %dx%d data %d,%d %dx%d help %d,%d %dx%d", qPrintable(where), groupRect.x(),
                          groupRect.y(), groupRect.width(), groupRect.height(), d.x(), d.y(), d.width(), d.height(),
                          h.x(), h.y(), h.width(), h.height());
                }
                for (const auto& [placed, sizes, others] :
                     {std::tuple{d, dataSizes, std::vector<QRect>{groupRect}},
                      std::tuple{h, helpSizes, std::vector<QRect>{groupRect, d}}}) {
                    // Whole on the screen, title bar and all.
                    QVERIFY2(area.contains(placed), qPrintable(where));
                    const QSize natural = sizes.natural.grownBy(frame).boundedTo(area.size());
                    const QSize least = sizes.least.grownBy(frame).boundedTo(area.size());
                    // A copy: clang before 16 cannot capture a structured binding.
                    const QRect box = placed;
                    const bool overlaps =
                        std::any_of(others.begin(), others.end(), [&box](const QRect& o) { return o.intersects(box); });
                    // Clear of the others wherever its size at 100% finds room.
                    if (RoomFor(least, area, others)) QVERIFY2(!overlaps, qPrintable(where));
                    // Smaller than its natural size only where that finds no room (or, for
                    // the data window, none that leaves the help room), never below 100%.
                    QVERIFY2(placed.width() >= least.width() && placed.height() >= least.height(), qPrintable(where));
                    if (placed.size() != natural) {
                        const bool leavesHelpRoom =
                            box == d && RoomFor(helpSizes.least.grownBy(frame), area, {groupRect, d});
                        QVERIFY2(!RoomFor(natural, area, others) || leavesHelpRoom, qPrintable(where));
                    }
                }
                clear.push_back(!d.intersects(groupRect) && !h.intersects(groupRect) && !h.intersects(d));
                // Where the program starts the group, at the default zoom: nothing overlaps at all.
                if (start == starts[0] && percent == defaultZoom) QVERIFY2(clear.back(), qPrintable(where));
            }
            // A zoom step leaves as much room as the group has where the program starts it.
            if (clear.front()) {
                QVERIFY2(clear.back(), qPrintable(QStringLiteral("%1 zoomed to %2%").arg(screen.name).arg(percent)));
            }
        }
    }
}

void GroupGeometryTest::placesBesideTheGroupFirst() {
    const QRect area(0, 0, 1280, 1024);
    const SideWindowSizes sizes{.natural = QSize(400, 300), .least = QSize(400, 300), .frame = QMargins(1, 20, 1, 1)};
    // Room on the right: beside the menu, level with the group's top.
    QCOMPARE(PlaceSideWindow(sizes, area, QRect(300, 200, 471, 161)), QRect(771, 200, 402, 321));
    // The right taken by the other window: on the left, level with the top.
    QCOMPARE(PlaceSideWindow(sizes, area, QRect(500, 200, 471, 161), QRect(971, 200, 402, 321)),
             QRect(98, 200, 402, 321));
    // Too little room on either side of a wide group: below it, from its left edge.
    QCOMPARE(PlaceSideWindow(sizes, area, QRect(300, 200, 700, 161)), QRect(300, 361, 402, 321));
    // In the bottom right corner: above the group, from its left edge, rather
    // than beside it pushed up.
    QCOMPARE(PlaceSideWindow(sizes, area, QRect(809, 900, 471, 124)), QRect(809, 579, 402, 321));
}

void GroupGeometryTest::recentresAGroupPushedOffTheScreen() {
    const QRect area(0, 0, 1280, 1024);
    QCOMPARE(GroupAfterZoom(QRect(600, 300, 600, 200), area), QRect(600, 300, 600, 200));
    // Centred across, its top kept where the area allows.
    QCOMPARE(GroupAfterZoom(QRect(800, 300, 600, 200), area), QRect(340, 300, 600, 200));
    QCOMPARE(GroupAfterZoom(QRect(-1, 0, 600, 200), area), QRect(340, 0, 600, 200));
    QCOMPARE(GroupAfterZoom(QRect(600, 900, 600, 200), area), QRect(340, 824, 600, 200));
}

QTEST_MAIN(GroupGeometryTest)
#include "group_geometry_test.moc"
