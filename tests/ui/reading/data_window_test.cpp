// The data counter's window: opened from the main window's context menu and
// with the D key, neither of which steps the click cycle, and drawn anew as
// each game ends and when a load starts a fresh session.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "core/tuning.h"
#include "save/save_file.h"
#include "ui/controls/coin_graph.h"
#include "ui/reading/data_window.h"
#include "ui_game.h"

using namespace kararion;
using namespace kararion::ui;

namespace {

const QPoint kBareBackground(4, 4);

// Right-clicks `at` in the main window and picks "データ表示" from the menu
// that opens (its exec blocks until then). False if no such entry showed.
bool ChooseFromContextMenu(UiGame& game, QPoint at) {
    bool chosen = false;
    QTimer::singleShot(0, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("データ表示")) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                chosen = true;
            }
        }
        if (!chosen) menu->close();
    });
    QTest::mouseClick(game.main()->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
    return chosen;
}

QString Figure(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromUtf8(name));
    return label != nullptr ? label->text() : QStringLiteral("(none)");
}

// Pixels of the highest point's mark and label as the graph paints them now.
int HighestMarkPixels(QWidget* graph) {
    const QImage picture = graph->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) count += picture.pixelColor(x, y) == QColor(224, 0, 0);
    return count;
}

}  // namespace

class DataWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheContextMenuAndTheDKeyBesideTheClickCycle();
};

void DataWindowTest::opensFromTheContextMenuAndTheDKeyBesideTheClickCycle() {
    QTemporaryDir saves;
    UiGame game;
    Game& g = game.g();
    g.SetSaveFolder(saves.path().toStdString() + "/");
    SaveAs(g, "start");
    ClickAt(game.main(), kBareBackground);  // bet 1
    QCOMPARE(g.ClickStep(), 1);

    // The right button, on the bare window and on a reel cell.
    QVERIFY(ChooseFromContextMenu(game, kBareBackground));
    QWidget* data = game.windows.dataWindow();
    QVERIFY(data != nullptr && data->isVisible());
    QCOMPARE(data->windowTitle(), QStringLiteral(" - データ -"));
    QVERIFY(data->isWindow() && data->parentWidget() == nullptr);  // its own window, not docked
    data->hide();
    QVERIFY(ChooseFromContextMenu(game, InWindow(Control(game.main(), "Slot2(2)"))));
    QVERIFY(data->isVisible());
    QCOMPARE(g.ClickStep(), 1);
    QCOMPARE(g.counters().Bet(), Count{1});
    QCOMPARE(g.counters().Coin(), tuning::kStartCoins - 1);

    // The D key on the main window opens the same window again.
    data->hide();
    game.main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game.main()));
    QTest::keyClick(game.main(), Qt::Key_D);
    QVERIFY(data->isVisible());
    QCOMPARE(game.windows.dataWindow(), data);
    QCOMPARE(g.ClickStep(), 1);
    // Over the data window the game's keys still play, and Escape closes it.
    QTest::keyClick(data, Qt::Key_Space);
    QCOMPARE(g.ClickStep(), 2);
    QTest::keyClick(data, Qt::Key_Escape);
    QVERIFY(!data->isVisible());
    QTest::keyClick(game.main(), Qt::Key_D);
    QVERIFY(data->isVisible());

    // The rest of the cycle plays a lost game at bet 3; the window, left
    // open, shows it as soon as it has ended.
    QCOMPARE(Figure(data, "ゲーム数"), QStringLiteral("0"));
    for (int click = 3; click <= 4; ++click) ClickAt(game.main(), kBareBackground);
    QVERIFY(g.reels().ReelTimer(1).Enabled());
    game.Advance(500);
    using enum Symbol;
    const Symbol nothing[3][3] = {{Bell, Star, Grapes}, {Peach, Watermelon, Melon}, {Replay, Orange, Seven}};
    for (int row = 1; row <= 3; ++row) {
        for (int reel = 1; reel <= 3; ++reel)
            game.Setup().ShowPicture(reel, row, PictureOf(nothing[row - 1][reel - 1]));
    }
    for (int click = 5; click <= 6; ++click) ClickAt(game.main(), kBareBackground);
    QCOMPARE(Figure(data, "ゲーム数"), QStringLiteral("0"));  // not while a reel spins
    ClickAt(game.main(), kBareBackground);
    QCOMPARE(Figure(data, "ゲーム数"), QStringLiteral("1"));
    QCOMPARE(Figure(data, "使用枚数"), QStringLiteral("3"));
    auto* graph = data->findChild<CoinGraph*>(QStringLiteral("CoinGraph"));
    QVERIFY(graph != nullptr);
    QVERIFY2(graph->accessibleDescription().contains(QStringLiteral("1ゲーム、アタリ 0。さまいすう -3まい")),
             qPrintable(graph->accessibleDescription()));
    QCOMPARE(graph->Line(), (std::vector<QPointF>{QPointF(0, 0), QPointF(1, -3)}));
    QCOMPARE(graph->Highest().game, 1);
    QVERIFY(HighestMarkPixels(graph) > 0);

    // A load, the window left open: a fresh session, nothing of the old one drawn.
    LoadFrom(g, "start");
    game.windows.RefreshAll();
    QCOMPARE(g.counters().Coin(), tuning::kStartCoins);
    QCOMPARE(Figure(data, "ゲーム数"), QStringLiteral("0"));
    QCOMPARE(Figure(data, "使用枚数"), QStringLiteral("0"));
    QCOMPARE(graph->Line(), std::vector<QPointF>{QPointF(0, 0)});
    QCOMPARE(graph->Highest().game, 0);
    QCOMPARE(graph->Lowest().game, 0);
    QCOMPARE(HighestMarkPixels(graph), 0);
}

QTEST_MAIN(DataWindowTest)
#include "data_window_test.moc"
