// Playing without the mouse and without the lamps: keys act as clicks, a
// screen reader finds named controls it can press, each game's outcome is
// said once, and a win stays framed until the next bet.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QTest>

#include "core/counters.h"
#include "core/tuning.h"
#include "ui/access/accessibility.h"
#include "ui/controls/controls.h"
#include "ui/controls/win_frame.h"
#include "ui/dialogs/file_dialog.h"
#include "ui/dialogs/version_window.h"
#include "ui_game.h"

using namespace kararion;
using namespace kararion::ui;

namespace {

using enum Symbol;

CaptionLabel* Label(QWidget* window, const char* name) { return Control<CaptionLabel>(window, name); }
double Counter(const std::string& text) { return ReadCounter(text); }

QAccessibleInterface* Accessible(QWidget* window, const char* name) {
    return QAccessible::queryAccessibleInterface(Control(window, name));
}

// Presses a control as a screen reader does, and lets the press arrive.
void PressAccessibly(QAccessibleInterface* control) {
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
}

// Sets what the reels show (rows top to bottom, reels left to right) and
// stops them: a stop leaves the view as it is.
void StopOn(UiGame& game, const Symbol (&rows)[3][3]) {
    for (int row = 1; row <= 3; ++row)
        for (int reel = 1; reel <= 3; ++reel) game.g().reels.Cell(reel, row) = PictureOf(rows[row - 1][reel - 1]);
    for (const char* stop : {"Stop1", "Stop2", "Stop3"}) Click(Label(game.main(), stop));
}

void BetAndStart(UiGame& game, int bet) {
    for (int i = 0; i < bet; ++i) Click(Label(game.info(), "BetUp"));
    Click(Label(game.menu(), "Start"));
}

// What the accessibility bus is told: every outcome said, in order.
QStringList said;
void Listen(QAccessibleEvent* event) {
    if (event->type() != QAccessible::ObjectShow) return;
    if (QAccessibleInterface* source = event->accessibleInterface();
        source != nullptr && source->role() == QAccessible::Notification)
        said << source->text(QAccessible::Name);
}

bool FramedAt(QWidget* main, QPoint point) { return main->grab().toImage().pixelColor(point) == QColor(255, 255, 0); }

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void init() { said.clear(); }
    void keysActAsTheirClicks();
    void aHeldKeyIsOnePress();
    void tabAndSpacePressAMenuEntry();
    void aScreenReaderFindsAndPressesTheControls();
    void eachOutcomeIsSaidOnce();
    void aWinIsFramedUntilTheNextBet();
};

void AccessTest::keysActAsTheirClicks() {
    UiGame game;
    Game& g = game.g();
    // Up and + raise, Down and - lower, in whichever game window has the keys.
    QTest::keyClick(game.main(), Qt::Key_Up);
    QTest::keyClick(game.menu(), Qt::Key_Plus);
    QCOMPARE(g.counters.Bet, std::string("2"));
    QTest::keyClick(game.info(), Qt::Key_Down);
    QTest::keyClick(game.main(), Qt::Key_Minus);
    QCOMPARE(g.counters.Bet, std::string("0"));
    QCOMPARE(g.counters.Coin, std::string("100"));

    // Space and Enter step the machine's cycle: three bets, then the start.
    QTest::keyClick(game.info(), Qt::Key_Space);
    QTest::keyClick(game.main(), Qt::Key_Return);
    QTest::keyClick(game.menu(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(g.counters.Bet, std::string("3"));
    // A stop key before the start finds its button off: nothing happens.
    QTest::keyClick(game.main(), Qt::Key_1);
    QCOMPARE(g.clickStep, 3);
    QTest::keyClick(game.main(), Qt::Key_Space);
    QVERIFY(g.reels.reel1Timer.Enabled() && g.reels.reel2Timer.Enabled() && g.reels.reel3Timer.Enabled());
    // During the game "↑" is off, and so is its key.
    QTest::keyClick(game.info(), Qt::Key_Up);
    QCOMPARE(g.counters.Bet, std::string("3"));

    // 1, 2, 3 on the top row or the keypad stop their own reel, as "■" does.
    QTest::keyClick(game.menu(), Qt::Key_2, Qt::KeypadModifier);
    QVERIFY(!g.reels.reel2Timer.Enabled() && g.reels.reel1Timer.Enabled());
    QVERIFY(!Label(game.main(), "Stop2")->isEnabled());
    QTest::keyClick(game.main(), Qt::Key_2);  // again: the button is off now
    QTest::keyClick(game.info(), Qt::Key_3);
    QTest::keyClick(game.main(), Qt::Key_1);
    QCOMPARE(Counter(g.counters.Win) + Counter(g.counters.Lost), 1.0);
    QCOMPARE(g.clickStep, 4);  // a stop key is no step of the cycle
}

namespace {

// Space as the window system sends it, at `time` (ms).
void Key(QWidget* window, QEvent::Type type, ulong time, bool autoRepeat = false) {
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(window, &event);
}

}  // namespace

void AccessTest::aHeldKeyIsOnePress() {
    UiGame game;
    Game& g = game.g();
    QWidget* main = game.main();
    Key(main, QEvent::KeyPress, 1000);
    QCOMPARE(g.counters.Bet, std::string("1"));
    // Held: X repeats it as a release and a press at one time, marked as a
    // repeat or not; either way it is the same press.
    for (ulong time = 1500; time < 3000; time += 33) {
        Key(main, QEvent::KeyRelease, time);
        Key(main, QEvent::KeyPress, time);
    }
    Key(main, QEvent::KeyRelease, 3000, true);
    Key(main, QEvent::KeyPress, 3000, true);
    QCOMPARE(g.counters.Bet, std::string("1"));
    // Let go, then pressed again at once: a real press, however fast.
    Key(main, QEvent::KeyRelease, 3010);
    Key(main, QEvent::KeyPress, 3015);
    QCOMPARE(g.counters.Bet, std::string("2"));
    // Let go in another program's window: that release never comes here.
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(main, &away);
    Key(main, QEvent::KeyPress, 9000);
    QCOMPARE(g.counters.Bet, std::string("3"));
}

void AccessTest::tabAndSpacePressAMenuEntry() {
    // Tab puts a menu entry under the keys; then Space is that entry's click.
    UiGame game;
    Game& g = game.g();
    QTest::keyClick(game.main(), Qt::Key_Up);
    QApplication::setActiveWindow(game.menu());
    Label(game.menu(), "Save")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(game.menu(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(Label(game.menu(), "Start")->hasFocus());
    QTest::keyClick(Label(game.menu(), "Start"), Qt::Key_Space);
    QVERIFY(g.reels.reel1Timer.Enabled());
    QCOMPARE(g.clickStep, 0);
    // The counters never take the focus, whatever is clicked.
    Click(Label(game.info(), "BetUp"));
    QCOMPARE(Control(game.info(), "Coin")->focusPolicy(), Qt::NoFocus);
}

void AccessTest::aScreenReaderFindsAndPressesTheControls() {
    UiGame game;
    struct Expected {
        QWidget* window;
        const char* control;
        const char* name;
        QAccessible::Role role;
    };
    const Expected expected[] = {
        {game.info(), "Coin", "コイン数", QAccessible::EditableText},
        {game.info(), "WinCoin", "配当枚数", QAccessible::EditableText},
        {game.info(), "BetUp", "ベットを上げる", QAccessible::Button},
        {game.info(), "BetDown", "ベットを下げる", QAccessible::Button},
        {game.main(), "Stop3", "リール3 停止", QAccessible::Button},
        {game.main(), "Slot2(3)", "リール2 下段", QAccessible::Graphic},
        {game.main(), "Line1(1)", "ライン1 右", QAccessible::StaticText},
        {game.main(), "LED(0)", "リールランプ1", QAccessible::StaticText},
        {game.menu(), "Version", "バージョン", QAccessible::Button},
    };
    for (const Expected& e : expected) {
        QAccessibleInterface* control = Accessible(e.window, e.control);
        QVERIFY2(control != nullptr, e.control);
        QCOMPARE(control->text(QAccessible::Name), QString::fromUtf8(e.name));
        QCOMPARE(control->role(), e.role);
    }
    QAccessibleInterface* coins = Accessible(game.info(), "Coin");
    QVERIFY(coins->state().readOnly);
    QCOMPARE(coins->text(QAccessible::Value), QStringLiteral("100"));
    QVERIFY(Accessible(game.info(), "BetUp")->text(QAccessible::Description).contains(QStringLiteral("↑")));
    QVERIFY(Accessible(game.main(), "Stop1")->text(QAccessible::Description).contains(QStringLiteral("1")));
    QCOMPARE(Accessible(game.main(), "Slot1(1)")->text(QAccessible::Description), QStringLiteral("オレンジ"));
    QCOMPARE(Accessible(game.main(), "Line2(0)")->text(QAccessible::Description), QStringLiteral("消灯"));

    // Every control a window offers has words to be heard, the dialogs' too:
    // a control named without them would be silent to a screen reader.
    auto* save = new FileDialog(game.windows, FileDialogKind::Save(), game.main());
    auto* load = new FileDialog(game.windows, FileDialogKind::Load(), game.main());
    auto* version = new VersionWindow(game.main());
    for (QWidget* window : {game.main(), game.info(), game.menu(), static_cast<QWidget*>(save),
                            static_cast<QWidget*>(load), static_cast<QWidget*>(version)}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")) || control->isWindow() ||
                IsDecorative(control))
                continue;
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(name));
        }
    }

    // The decorative shapes are not in the tree.
    QAccessibleInterface* machine = QAccessible::queryAccessibleInterface(game.main());
    QStringList children;
    for (int i = 0; i < machine->childCount(); ++i) children << machine->child(i)->object()->objectName();
    QVERIFY(children.contains(QStringLiteral("Slot1(1)")));
    for (const QString& child : children) QVERIFY2(!child.startsWith(QStringLiteral("Shape")), qPrintable(child));
    QCOMPARE(machine->indexOfChild(machine->child(3)), 3);

    // Pressing is clicking: the bet goes up, the game starts; a stop that is off ignores it.
    QAccessibleInterface* stop = Accessible(game.main(), "Stop1");
    QVERIFY(stop->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    PressAccessibly(stop);
    QVERIFY(!game.g().reels.reel1Timer.Enabled());
    PressAccessibly(Accessible(game.info(), "BetUp"));
    QCOMPARE(game.g().counters.Bet, std::string("1"));
    PressAccessibly(Accessible(game.menu(), "Start"));
    QVERIFY(game.g().reels.reel1Timer.Enabled());
    PressAccessibly(stop);
    QVERIFY(!game.g().reels.reel1Timer.Enabled());
}

void AccessTest::eachOutcomeIsSaidOnce() {
    UiGame game;
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(&Listen);
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform != nullptr);
    platform->setActive(true);

    // A loss, said at the last stop.
    BetAndStart(game, 1);
    StopOn(game, {{Bell, Seven, Star}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QCOMPARE(said, QStringList({QStringLiteral("ハズレ")}));

    // A win: the symbol and its coins, once, however long the count-up runs.
    BetAndStart(game, 1);
    StopOn(game, {{Bell, Bell, Bell}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    game.Advance(1000);
    QCOMPARE(said.size(), 2);
    QCOMPARE(said.back(), QStringLiteral("ベル %1枚").arg(tuning::kBellPays));

    // A replay, and the game it starts by itself, said in turn.
    BetAndStart(game, 3);
    StopOn(game, {{Replay, Seven, Star}, {Grapes, Replay, Watermelon}, {Bar, Melon, Replay}});
    QCOMPARE(said.back(), QStringLiteral("リプレイ"));
    game.Advance(100);
    QVERIFY(game.g().reels.reel1Timer.Enabled());
    StopOn(game, {{Seven, Star, Grapes}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QCOMPARE(said.mid(2), QStringList({QStringLiteral("リプレイ"), QStringLiteral("ハズレ")}));

    // The last coin lost: the game can go no further, and says so once.
    game.g().counters.Coin = WriteCounter(1);
    game.windows.RefreshAll();
    BetAndStart(game, 1);
    StopOn(game, {{Bell, Seven, Star}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QCOMPARE(said.back(), QStringLiteral("ハズレ。コインがありません"));
    Click(Label(game.info(), "BetUp"));  // only beeps
    game.Advance(1000);
    QCOMPARE(said.size(), 5);

    QAccessible::installUpdateHandler(before);
    platform->setActive(false);
}

void AccessTest::aWinIsFramedUntilTheNextBet() {
    UiGame game;
    WinFrame* frame = game.windows.winFrame();
    QWidget* main = game.main();
    // Just outside each cell, on the magenta reel frame.
    auto edge = [main](const char* cell) { return Control(main, cell)->geometry().topLeft() - QPoint(1, 1); };

    BetAndStart(game, 3);
    StopOn(game, {{Seven, Star, Grapes},
                  {Melon, Seven, Watermelon},
                  {Peach, Replay, Seven}});  // sevens down the falling diagonal
    QCOMPARE(frame->line(), 4);
    for (const char* cell : {"Slot1(1)", "Slot2(2)", "Slot3(3)"}) QVERIFY2(FramedAt(main, edge(cell)), cell);
    QVERIFY(!FramedAt(main, edge("Slot2(1)")));
    QCOMPARE(frame->paid(), QStringLiteral("+200"));

    // Counted up and closed, the win stays in sight ...
    game.Advance(2500);
    QCOMPARE(game.g().counters.Bet, std::string("0"));
    QVERIFY(FramedAt(main, edge("Slot2(2)")));
    // ... and goes at the next bet.
    Click(Label(game.info(), "BetUp"));
    QCOMPARE(frame->line(), 0);
    QVERIFY(frame->paid().isEmpty());
    QVERIFY(!FramedAt(main, edge("Slot2(2)")));

    // A replay is framed and named; the name stays through the game it
    // starts, the frame goes as the reels spin off.
    Click(Label(game.info(), "BetUp"));
    Click(Label(game.menu(), "Start"));
    StopOn(game, {{Replay, Replay, Replay}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QCOMPARE(frame->line(), 1);
    QCOMPARE(frame->paid(), QStringLiteral("リプレイ"));
    game.Advance(100);
    QVERIFY(game.g().reels.reel1Timer.Enabled());
    QCOMPARE(frame->line(), 0);
    QCOMPARE(frame->paid(), QStringLiteral("リプレイ"));
    QVERIFY(!FramedAt(main, edge("Slot2(1)")));
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
