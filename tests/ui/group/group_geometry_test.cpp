// Where the docked group goes on screens of every size and scale.
#include <QTest>

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
    void putsTheDataWindowClearOfTheGroup();
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

void GroupGeometryTest::putsTheDataWindowClearOfTheGroup() {
    // The group and the data window at scale 1 on a 1280x1024 screen and at
    // scale 2 on a 2560x1600 one, each with a panel on top, wherever the player
    // drags the group: always whole on the screen, and over none of the three
    // windows wherever a search of the screen finds a place clear of them.
    struct Case {
        QRect area;
        QSize group;
        QSize data;
    };
    for (const Case& c : {Case{QRect(0, 30, 1280, 994), QSize(471, 161), QSize(466, 420)},
                          Case{QRect(0, 60, 2560, 1540), QSize(936, 301), QSize(930, 838)}}) {
        const int areaRight = c.area.left() + c.area.width(), areaBottom = c.area.top() + c.area.height();
        for (int x = c.area.left(); x + c.group.width() <= areaRight; x += 37) {
            for (int y = c.area.top(); y + c.group.height() <= areaBottom; y += 41) {
                const QRect group(QPoint(x, y), c.group);
                const QRect data(BesideGroup(c.data, group, c.area), c.data);
                const QString where = QStringLiteral("%1 group at %2,%3").arg(c.area.width()).arg(x).arg(y);
                QVERIFY2(c.area.contains(data), qPrintable(where));
                bool clearPlace = false;
                for (int left = c.area.left(); left + c.data.width() <= areaRight && !clearPlace; left += 16) {
                    for (int top = c.area.top(); top + c.data.height() <= areaBottom && !clearPlace; top += 16)
                        clearPlace = !QRect(QPoint(left, top), c.data).intersects(group);
                }
                if (clearPlace) QVERIFY2(!data.intersects(group), qPrintable(where));
            }
        }
    }
    const QRect area(0, 30, 1280, 994);
    // Room on the right: beside the menu, level with the group's top.
    QCOMPARE(BesideGroup(QSize(466, 420), QRect(300, 200, 471, 161), area), QPoint(771, 200));
    // Against the right edge: beside the information window, slid up onto the screen.
    QCOMPARE(BesideGroup(QSize(466, 420), QRect(809, 800, 471, 161), area), QPoint(343, 1024 - 420));
    // Neither side has room but below has: under the group, from its left edge.
    QCOMPARE(BesideGroup(QSize(466, 420), QRect(400, 100, 471, 161), QRect(0, 0, 1000, 800)), QPoint(400, 261));
    // No room anywhere: whole on the screen, over the side that lacks the least.
    const QRect small(0, 0, 800, 600);
    const QPoint forced = BesideGroup(QSize(466, 420), QRect(200, 150, 471, 161), small);
    QCOMPARE(forced, QPoint(200, 180));  // below lacks 131, above 270, the sides 337 and 266
}

QTEST_MAIN(GroupGeometryTest)
#include "group_geometry_test.moc"
