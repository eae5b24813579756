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

QTEST_MAIN(GroupGeometryTest)
#include "group_geometry_test.moc"
