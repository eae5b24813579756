// Playing without the mouse and without the lamps: keys act as clicks, a
// screen reader finds named controls it can press, each action is said once
// while what moves stays quiet on the bus, and a win stays framed until the
// next bet.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <algorithm>

#include "core/counters.h"
#include "core/tuning.h"
#include "paytable/paytable.h"
#include "ui/access/accessibility.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/controls/spoken.h"
#include "ui/controls/win_frame.h"
#include "ui/dialogs/file_dialog.h"
#include "ui/dialogs/version_window.h"
#include "ui/reading/data_window.h"
#include "ui/reading/help_window.h"
#include "ui/reading/line_reader.h"
#include "ui/windows/key_table.h"
#include "ui_game.h"

using namespace kararion;
using namespace kararion::ui;

namespace {

using enum Symbol;

CaptionLabel* Label(QWidget* window, const char* name) { return Control<CaptionLabel>(window, name); }

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
        for (int reel = 1; reel <= 3; ++reel) game.Setup().ShowPicture(reel, row, PictureOf(rows[row - 1][reel - 1]));
    for (const char* stop : {"Stop1", "Stop2", "Stop3"}) Click(Label(game.main(), stop));
}

void BetAndStart(UiGame& game, int bet) {
    for (int i = 0; i < bet; ++i) Click(Label(game.info(), "BetUp"));
    Click(Label(game.menu(), "Start"));
}

// What the accessibility bus is told: every line said, in order, where it
// was said (the game window whose status line took it, or nullptr for a
// notification), and which controls it hears of at all.
QStringList said;
QList<QWidget*> saidIn;
QStringList heardOf;
void Listen(QAccessibleEvent* event) {
    if (QObject* source = event->object()) heardOf << source->objectName();
    QAccessibleInterface* source = event->accessibleInterface();
    if (source == nullptr) return;
    if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification) {
        said << source->text(QAccessible::Name);
        saidIn << nullptr;
    }
    // A status line's new line is heard when it is the text left selected.
    if (event->type() == QAccessible::TextInserted && source->role() == QAccessible::StatusBar) {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInterface* text = source->textInterface();
        int start = 0;
        int end = 0;
        if (text->selectionCount() == 1) text->selection(0, &start, &end);
        const bool selected = start == inserted->changePosition() && text->text(start, end) == inserted->textInserted();
        said << (selected ? inserted->textInserted().trimmed()
                          : QStringLiteral("not selected: ") + inserted->textInserted());
        saidIn << static_cast<QWidget*>(source->object())->parentWidget();
    }
}
int HeardOf(const QString& prefix) {
    return static_cast<int>(std::count_if(heardOf.begin(), heardOf.end(),
                                          [&prefix](const QString& name) { return name.startsWith(prefix); }));
}

// Every name and description in the accessible tree under `node`, and the
// text of the reading texts, each with where it was found.
void SpokenTexts(QAccessibleInterface* node, QStringList& texts, int depth = 0) {
    if (node == nullptr || depth > 30) return;
    const QString where = node->object() != nullptr ? node->object()->objectName() : QStringLiteral("?");
    for (QAccessible::Text type : {QAccessible::Name, QAccessible::Description}) {
        if (const QString text = node->text(type); !text.isEmpty()) texts << where + QStringLiteral(": ") + text;
    }
    if (qobject_cast<LineReader*>(node->object()) != nullptr && node->textInterface() != nullptr)
        texts << where + QStringLiteral(": ") + node->textInterface()->text(0, node->textInterface()->characterCount());
    for (int i = 0; i < node->childCount(); ++i) SpokenTexts(node->child(i), texts, depth + 1);
}

QStringList WithKanji(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts) {
        if (HasKanji(text.section(QStringLiteral(": "), 1))) found << text;
    }
    return found;
}

bool FramedAt(QWidget* main, QPoint point) { return main->grab().toImage().pixelColor(point) == QColor(255, 255, 0); }

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    // Before any window: the game's own handler passes on to this one, as it
    // does to the bus. Without a screen reader Qt keeps accessibility off; on
    // through the platform, as Qt's own tests do.
    void initTestCase() {
        QAccessible::installUpdateHandler(&Listen);
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
    }
    void init() {
        said.clear();
        saidIn.clear();
        heardOf.clear();
    }
    void keysActAsTheirClicks();
    void aHeldKeyIsOnePress();
    void tabAndSpacePressAMenuEntry();
    void aScreenReaderFindsAndPressesTheControls();
    void eachActionIsSaidOnce();
    void aLineIsSaidWhereTheKeyboardIs();
    void whatMovesIsToldOnlyAtRest();
    void aWinIsFramedUntilTheNextBet();
    void theGameRefusesWhatItsPhaseDoesNotAllow();
    void outOfCoinsTheMachineSaysSoAndStartsAfresh();
    void theWinBadgeHoldsItsWordOnOneLine();
    void tabFromAnyGameWindowFramesTheMenu();
    void everySpokenTextIsInWordsTheVoiceCanSay();
    void theReadmesKeysAreTheKeyTable();
    void everyKeyAnswersAndTheWindowsReadByLine();
};

void AccessTest::keysActAsTheirClicks() {
    UiGame game;
    Game& g = game.g();
    // Up and + raise, Down and - lower, in whichever game window has the keys.
    QTest::keyClick(game.main(), Qt::Key_Up);
    QTest::keyClick(game.menu(), Qt::Key_Plus);
    QCOMPARE(g.counters().Bet(), Count{2});
    QTest::keyClick(game.info(), Qt::Key_Down);
    QTest::keyClick(game.main(), Qt::Key_Minus);
    QCOMPARE(g.counters().Bet(), Count{0});
    QCOMPARE(g.counters().Coin(), tuning::kStartCoins);

    // Enter is the menu's スタート: with no stake it is grey, and so is its key.
    QTest::keyClick(game.main(), Qt::Key_Return);
    QVERIFY(!g.reels().ReelTimer(1).Enabled());
    // Space steps the machine's cycle: three bets, then the start.
    for (QWidget* window : {game.info(), game.main(), game.menu()}) QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(g.counters().Bet(), Count{3});
    // A stop key before the start finds its button off: nothing happens.
    QTest::keyClick(game.main(), Qt::Key_1);
    QCOMPARE(g.ClickStep(), 3);
    QTest::keyClick(game.info(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(g.reels().ReelTimer(1).Enabled() && g.reels().ReelTimer(2).Enabled() && g.reels().ReelTimer(3).Enabled());
    QCOMPARE(g.ClickStep(), 3);  // the menu's start, no step of the cycle
    // During the game "↑" is off, and so is its key.
    QTest::keyClick(game.info(), Qt::Key_Up);
    QCOMPARE(g.counters().Bet(), Count{3});

    // 1, 2, 3 on the top row or the keypad stop their own reel, as "■" does.
    QTest::keyClick(game.menu(), Qt::Key_2, Qt::KeypadModifier);
    QVERIFY(!g.reels().ReelTimer(2).Enabled() && g.reels().ReelTimer(1).Enabled());
    QVERIFY(!Label(game.main(), "Stop2")->isEnabled());
    QTest::keyClick(game.main(), Qt::Key_2);  // again: the button is off now
    QTest::keyClick(game.info(), Qt::Key_3);
    QTest::keyClick(game.main(), Qt::Key_1);
    QCOMPARE(g.counters().Win() + g.counters().Lost(), Count{1});
    QCOMPARE(g.ClickStep(), 3);  // a stop key is no step of the cycle

    // Ctrl+S, Ctrl+O and Ctrl+Q press their menu entries, from any game
    // window: a greyed entry takes no key either.
    game.Advance(3000);  // a win's coins counted up
    Label(game.menu(), "Save")->setEnabled(false);
    QTest::keyClick(game.main(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(game.windows.saveDialog() == nullptr);
    game.windows.RefreshAll();
    QString opened;
    WhenModal([&opened](QWidget* dialog) { opened = dialog->accessibleName(); });
    QTest::keyClick(game.info(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(opened, QStringLiteral("セーブ"));
    WhenModal([&opened](QWidget* dialog) { opened = dialog->accessibleName(); });
    QTest::keyClick(game.menu(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(opened, QStringLiteral("ロード"));
    QCOMPARE(game.ends, 0);
    QTest::keyClick(game.main(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(game.ends, 1);
}

namespace {

// Space as the window system sends it, at `time` (ms).
void Key(QWidget* window, QEvent::Type type, ulong time, bool autoRepeat = false) {
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(window, &event);
}

// The keypad's 2 as X sends it, naming Down or 2 by Num Lock.
void Keypad2(QWidget* window, QEvent::Type type, ulong time, Qt::Key key) {
    constexpr quint32 kKeypad2 = 88;
    QKeyEvent event(type, key, Qt::KeypadModifier, kKeypad2, 0, 0);
    event.setTimestamp(time);
    QApplication::sendEvent(window, &event);
}

}  // namespace

void AccessTest::aHeldKeyIsOnePress() {
    UiGame game;
    Game& g = game.g();
    QWidget* main = game.main();
    Key(main, QEvent::KeyPress, 1000);
    QCOMPARE(g.counters().Bet(), Count{1});
    // Held: X repeats it as a release and a press at one time, marked as a
    // repeat or not; either way it is the same press.
    for (ulong time = 1500; time < 3000; time += 33) {
        Key(main, QEvent::KeyRelease, time);
        Key(main, QEvent::KeyPress, time);
    }
    Key(main, QEvent::KeyRelease, 3000, true);
    Key(main, QEvent::KeyPress, 3000, true);
    QCOMPARE(g.counters().Bet(), Count{1});
    // Let go, then pressed again at once: a real press, however fast.
    Key(main, QEvent::KeyRelease, 3010);
    Key(main, QEvent::KeyPress, 3015);
    QCOMPARE(g.counters().Bet(), Count{2});
    // Let go in another program's window: that release never comes here.
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(main, &away);
    Key(main, QEvent::KeyPress, 9000);
    QCOMPARE(g.counters().Bet(), Count{3});
    // Keypad 2 pressed as Down, Num Lock turned on while it is held, let go
    // as 2: the key is up, and the next press is a press.
    Keypad2(main, QEvent::KeyPress, 10000, Qt::Key_Down);
    Keypad2(main, QEvent::KeyRelease, 10100, Qt::Key_2);
    Keypad2(main, QEvent::KeyPress, 10200, Qt::Key_Down);
    QCOMPARE(g.counters().Bet(), Count{1});
}

void AccessTest::tabAndSpacePressAMenuEntry() {
    // Tab puts a menu entry under the keys; then Space is that entry's click.
    UiGame game;
    Game& g = game.g();
    QTest::keyClick(game.main(), Qt::Key_Up);
    QApplication::setActiveWindow(game.menu());
    // With a coin staked セーブ and ロード are off: Shift+Tab passes them by.
    QVERIFY(!Label(game.menu(), "Save")->isEnabled() && !Label(game.menu(), "Loading")->isEnabled());
    Label(game.menu(), "Version")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(game.menu(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(Label(game.menu(), "Start")->hasFocus());
    QTest::keyClick(Label(game.menu(), "Start"), Qt::Key_Space);
    QVERIFY(g.reels().ReelTimer(1).Enabled());
    QCOMPARE(g.ClickStep(), 0);
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
        {game.info(), "Coin", "コインすう", QAccessible::EditableText},
        {game.info(), "WinCoin", "はいとうまいすう", QAccessible::EditableText},
        {game.info(), "BetUp", "ベットをあげる", QAccessible::Button},
        {game.info(), "BetDown", "ベットをさげる", QAccessible::Button},
        {game.main(), "Stop3", "リール3 ていし", QAccessible::Button},
        {game.main(), "Slot2(3)", "リール2 げだん", QAccessible::Graphic},
        {game.main(), "Line1(1)", "ライン1 みぎ", QAccessible::StaticText},
        {game.main(), "LED(0)", "リールランプ1", QAccessible::StaticText},
        {game.menu(), "Version", "バージョン", QAccessible::Button},
    };
    for (const Expected& e : expected) {
        QAccessibleInterface* control = Accessible(e.window, e.control);
        QVERIFY2(control != nullptr, e.control);
        QCOMPARE(control->text(QAccessible::Name), QString::fromUtf8(e.name));
        QVERIFY2(control->role() == e.role, e.control);
    }
    QAccessibleInterface* coins = Accessible(game.info(), "Coin");
    QVERIFY(coins->state().readOnly);
    QCOMPARE(coins->text(QAccessible::Value), QString::number(tuning::kStartCoins));
    QCOMPARE(Accessible(game.info(), "BetUp")->text(QAccessible::Description),
             QStringLiteral("キー うえ または プラス"));
    QVERIFY(Accessible(game.main(), "Stop1")->text(QAccessible::Description).contains(QStringLiteral("1")));
    QCOMPARE(Accessible(game.main(), "Slot1(1)")->text(QAccessible::Description), QStringLiteral("オレンジ"));
    QCOMPARE(Accessible(game.main(), "Line2(0)")->text(QAccessible::Description), QStringLiteral("しょうとう"));

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
    QVERIFY(!game.g().reels().ReelTimer(1).Enabled());
    PressAccessibly(Accessible(game.info(), "BetUp"));
    QCOMPARE(game.g().counters().Bet(), Count{1});
    PressAccessibly(Accessible(game.menu(), "Start"));
    QVERIFY(game.g().reels().ReelTimer(1).Enabled());
    PressAccessibly(stop);
    QVERIFY(!game.g().reels().ReelTimer(1).Enabled());
}

void AccessTest::eachActionIsSaidOnce() {
    UiGame game;
    said.clear();  // the greeting
    auto line = [](const QString& words) { return QStringList{words}; };

    // A bet, a start, each stop: one line each.
    QTest::keyClick(game.main(), Qt::Key_Up);
    QCOMPARE(said, line(QStringLiteral("ベット 1、コイン %1").arg(tuning::kStartCoins - 1)));
    QTest::keyClick(game.main(), Qt::Key_Return);
    QCOMPARE(said.mid(1), line(QStringLiteral("スタート")));
    StopOn(game, {{Bell, Seven, Star}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    // The result first, with the last reel's symbols in the same line.
    QCOMPARE(said.mid(2),
             QStringList({QStringLiteral("リール1 ベル、ブドウ、BAR"), QStringLiteral("リール2 セブン、モモ、メロン"),
                          QStringLiteral("ハズレ。リール3 スター、スイカ、オレンジ")}));

    // A win: the symbol, its coins, its line and the coins it leaves in hand,
    // all in the line of the last stop; the count-up adds nothing.
    said.clear();
    BetAndStart(game, 2);
    StopOn(game, {{Grapes, Peach, Watermelon}, {Bell, Bell, Bell}, {Bar, Melon, Orange}});
    const Count afterBell = tuning::kStartCoins - 1 - 2 + tuning::kBellPays;
    QVERIFY2(said.last().startsWith(
                 QStringLiteral("ベル %1まい ちゅうだん、コイン %2。リール3 ").arg(tuning::kBellPays).arg(afterBell)),
             qPrintable(said.last()));
    game.Advance(1000);
    QCOMPARE(said.size(), 6);
    QCOMPARE(game.g().counters().Coin(), afterBell);

    // A replay says so; the game it starts by itself says nothing more.
    said.clear();
    BetAndStart(game, 3);
    StopOn(game, {{Replay, Seven, Star}, {Grapes, Replay, Watermelon}, {Bar, Melon, Replay}});
    QVERIFY2(said.last().startsWith(QStringLiteral("リプレイ みぎさがり。")), qPrintable(said.last()));
    const qsizetype afterReplay = said.size();
    game.Advance(100);
    QVERIFY(game.g().reels().ReelTimer(1).Enabled());
    QCOMPARE(said.size(), afterReplay);

    // S says the whole state, the last result first, spinning reels as such.
    QTest::keyClick(game.info(), Qt::Key_S);
    QCOMPARE(said.last(), QStringLiteral("リプレイ みぎさがり。コイン %1、ベット 3、ゲーム 4。リール1 かいてんちゅう。"
                                         "リール2 かいてんちゅう。リール3 かいてんちゅう")
                              .arg(afterBell - 3));

    // A load: the coins and games it brought back.
    StopOn(game, {{Seven, Star, Grapes}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    game.g().SetSaveFolder(folder.path().toStdString() + "/");
    const SavedCounts now = game.g().counters().Saved();
    game.Setup().SetSaved({.coin = 250, .run = 31});
    SaveAs(game.g(), "loaded");
    game.Setup().SetSaved(now);
    LoadFrom(game.g(), "loaded");
    game.windows.RefreshAll();
    QCOMPARE(said.last(), QStringLiteral("コイン 250、ゲーム 31"));

    // The last coin lost: the game can go no further, and says so once.
    game.Setup().SetCoins(1);
    game.windows.RefreshAll();
    BetAndStart(game, 1);
    StopOn(game, {{Bell, Seven, Star}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QVERIFY2(said.last().startsWith(QStringLiteral("ハズレ。")) &&
                 said.last().endsWith(QStringLiteral("。コインがありません")),
             qPrintable(said.last()));
    const qsizetype broke = said.size();
    Click(Label(game.info(), "BetUp"));  // a beep, and the reason said once
    game.Advance(1000);
    QCOMPARE(said.size(), broke + 1);
    QCOMPARE(said.last(), QStringLiteral("コインが ありません"));
}

void AccessTest::aLineIsSaidWhereTheKeyboardIs() {
    UiGame game;
    // A game window that has the keyboard itself takes the line into its own
    // status line, which a screen reader speaks without naming a role first.
    for (QWidget* window : {game.main(), game.info(), game.menu()}) {
        QApplication::setActiveWindow(window);
        window->setFocus();
        saidIn.clear();
        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(saidIn, QList<QWidget*>{window});
    }
    QCOMPARE(said.last(), QStringLiteral("ベット 3、コイン 97"));

    // A framed menu entry has the keyboard: the line goes under the entry.
    QTest::keyClick(game.menu(), Qt::Key_Tab);
    QTRY_VERIFY(qobject_cast<CaptionLabel*>(QApplication::focusWidget()) != nullptr);
    QWidget* entry = QApplication::focusWidget();
    QTest::keyClick(entry, Qt::Key_Down);
    QTest::keyClick(entry, Qt::Key_Up);
    QCOMPARE(said.last(), QStringLiteral("ベット 3、コイン 97"));
    QCOMPARE(saidIn.mid(saidIn.size() - 2), (QList<QWidget*>{entry, entry}));
    QCOMPARE(std::count_if(entry->children().begin(), entry->children().end(),
                           [](QObject* child) { return dynamic_cast<StatusLine*>(child) != nullptr; }),
             1);
    // The data window's text has the keyboard: under the text.
    QTest::keyClick(entry, Qt::Key_Escape);
    game.windows.OpenDataWindow();
    QTRY_VERIFY(QApplication::focusWidget() != nullptr &&
                QApplication::focusWidget()->window() == game.windows.dataWindow());
    QWidget* text = QApplication::focusWidget();
    QTest::keyClick(text, Qt::Key_M);
    QCOMPARE(saidIn.last(), text);
    game.windows.dataWindow()->close();
    // A dialog's list: a screen reader's focus is its current item, and the
    // line stands under that item.
    QString under;
    WhenModal([&game, &under](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>();
        list->addItem(QStringLiteral("alpha.dat"));
        list->setCurrentRow(0);
        QApplication::setActiveWindow(dialog);
        list->setFocus();
        game.windows.Say(QStringLiteral("alpha を えらびました"));
        for (QObject* child : list->children()) {
            if (auto* line = dynamic_cast<StatusLine*>(child))
                under = QAccessible::queryAccessibleInterface(line)->parent()->text(QAccessible::Name);
        }
        dialog->close();
    });
    for (int i = 0; i < 3; ++i) QTest::keyClick(game.main(), Qt::Key_Down);  // a save needs nothing staked
    QTest::keyClick(game.main(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(said.last(), QStringLiteral("alpha を えらびました"));
    QCOMPARE(under, QStringLiteral("alpha.dat"));

    // A long session: the oldest lines go, and each new one is still the
    // text left selected.
    QApplication::setActiveWindow(game.main());
    game.main()->setFocus();
    said.clear();
    for (int i = 0; i < 150; ++i) QTest::keyClick(game.main(), i % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(said.size(), 150);
    QVERIFY2(said.filter(QStringLiteral("not selected")).isEmpty(), qPrintable(said.join(QLatin1Char('\n'))));
    const StatusLine* line = nullptr;
    for (QObject* child : game.main()->children()) {
        if (auto* found = dynamic_cast<StatusLine*>(child)) line = found;
    }
    QVERIFY(line != nullptr && line->Text().count(QLatin1Char('\n')) <= 100);
    QVERIFY(line->Text().endsWith(said.last() + QLatin1Char('\n')));
}

void AccessTest::whatMovesIsToldOnlyAtRest() {
    UiGame game;
    BetAndStart(game, 3);
    // Spinning, chasing: nothing of the cells or lamps reaches the bus.
    heardOf.clear();
    for (int step = 0; step < 40; ++step) game.Advance(50);
    QCOMPARE(HeardOf(QStringLiteral("Slot")), 0);
    QCOMPARE(HeardOf(QStringLiteral("LED")), 0);
    // A stop describes its own reel's three cells once.
    Click(Label(game.main(), "Stop1"));
    game.Advance(500);
    QCOMPARE(HeardOf(QStringLiteral("Slot1")), 3);
    QCOMPARE(HeardOf(QStringLiteral("Slot2")), 0);
    QCOMPARE(Accessible(game.main(), "Slot1(1)")->text(QAccessible::Description),
             QString::fromUtf8(paytable::SpokenName(*LooksLike(game.g().reels().Cell(1, 1)))));
    QCOMPARE(Accessible(game.main(), "Slot2(1)")->text(QAccessible::Description), QStringLiteral("かいてんちゅう"));

    // 200 coins counted up: the counters are told once, when the count ends.
    heardOf.clear();
    StopOn(game, {{Seven, Star, Grapes}, {Seven, Seven, Seven}, {Peach, Replay, Orange}});
    for (int tick = 0; tick < 150; ++tick) game.Advance(10);
    QCOMPARE(HeardOf(QStringLiteral("Coin")), 0);
    QCOMPARE(HeardOf(QStringLiteral("Line")), 0);  // the winning line's flash
    game.Advance(1000);
    QVERIFY(!game.g().judge().CountUpTimer().Enabled());
    QCOMPARE(HeardOf(QStringLiteral("Coin")), 1);
    QCOMPARE(HeardOf(QStringLiteral("WinCoin")), 1);
    QCOMPARE(Accessible(game.info(), "Coin")->text(QAccessible::Value),
             QString::number(tuning::kStartCoins - 3 + tuning::kSevenPays));
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
    QCOMPARE(game.g().counters().Bet(), Count{0});
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
    QVERIFY(game.g().reels().ReelTimer(1).Enabled());
    QCOMPARE(frame->line(), 0);
    QCOMPARE(frame->paid(), QStringLiteral("リプレイ"));
    QVERIFY(!FramedAt(main, edge("Slot2(1)")));
}

void AccessTest::everySpokenTextIsInWordsTheVoiceCanSay() {
    // The stock voice reads a kanji as "Chinese letter": nothing only spoken
    // may hold one. What is also shown (the help's and the version window's
    // visible text, message boxes, the right-click menu's entries) keeps its
    // kanji and is read by the shown text's own widget; names and
    // descriptions, the reading texts and every announcement are for the ear.
    UiGame game;
    QTest::keyClick(game.main(), Qt::Key_Up);
    QTest::keyClick(game.main(), Qt::Key_Return);
    QTest::keyClick(game.main(), Qt::Key_S);  // reels spinning
    StopOn(game, {{Grapes, Peach, Watermelon}, {Bell, Bell, Bell}, {Bar, Melon, Orange}});
    QTest::keyClick(game.main(), Qt::Key_S);
    game.Advance(1000);
    BetAndStart(game, 3);
    StopOn(game, {{Replay, Seven, Star}, {Grapes, Replay, Watermelon}, {Bar, Melon, Replay}});
    game.Advance(100);
    StopOn(game, {{Seven, Star, Grapes}, {Melon, Seven, Watermelon}, {Peach, Replay, Seven}});
    QTest::keyClick(game.main(), Qt::Key_M);
    QTest::keyClick(game.main(), Qt::Key_Minus, Qt::ControlModifier);
    game.windows.OpenDataWindow();
    game.windows.OpenHelpWindow();
    QStringList texts;
    for (const QString& line : said) texts << QStringLiteral("said: ") + line;
    auto* save = new FileDialog(game.windows, FileDialogKind::Save(), game.main());
    auto* load = new FileDialog(game.windows, FileDialogKind::Load(), game.main());
    auto* version = new VersionWindow(game.main());
    for (QWidget* window :
         {game.main(), game.info(), game.menu(), static_cast<QWidget*>(save), static_cast<QWidget*>(load),
          static_cast<QWidget*>(version), static_cast<QWidget*>(game.windows.dataWindow()),
          static_cast<QWidget*>(game.windows.helpWindow())})
        SpokenTexts(QAccessible::queryAccessibleInterface(window), texts);
    QVERIFY(texts.size() > 100);
    QVERIFY2(WithKanji(texts).isEmpty(), qPrintable(WithKanji(texts).join(QLatin1Char('\n'))));
}

void AccessTest::theReadmesKeysAreTheKeyTable() {
    // The README's key table lists the game's keys as the table has them, in its order.
    QFile readme(QStringLiteral(KARARION_README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    const qsizetype at = lines.indexOf(QStringLiteral("### Keys"));
    QVERIFY(at > 0);
    QStringList documented;
    for (qsizetype i = at; i < lines.size() && documented.size() < 100; ++i) {
        const QString& line = lines[i];
        if (!line.startsWith(QLatin1Char('|'))) {
            if (!documented.isEmpty()) break;
            continue;
        }
        const QString key = line.section(QLatin1Char('|'), 1, 1).trimmed();
        if (key != QStringLiteral("key") && !key.startsWith(QStringLiteral("---"))) documented << key;
    }
    QStringList table;
    for (const KeyRow& row : KeyTable()) {
        if (!table.contains(QString::fromUtf8(row.readme))) table << QString::fromUtf8(row.readme);
        // A key the handler takes is named in its row's words, or the help,
        // the README and the ear would never tell of it.
        for (const KeyChord& chord : row.chords) {
            Qt::KeyboardModifiers modifiers;
            modifiers.setFlag(Qt::ControlModifier, chord.ctrl);
            modifiers.setFlag(Qt::ShiftModifier, chord.shift);
            QString name = QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(chord.key)))
                               .toString(QKeySequence::PortableText);
            if (chord.key == Qt::Key_Return) name = QStringLiteral("Enter");  // one key to a player
            QVERIFY2(QString::fromUtf8(row.readme).contains(name), qPrintable(name + " in " + row.readme));
        }
    }
    QCOMPARE(documented, table);
}

void AccessTest::everyKeyAnswersAndTheWindowsReadByLine() {
    UiGame game;
    // The greeting: the coins and the three keys to begin with.
    QTRY_VERIFY(!said.isEmpty());
    QCOMPARE(said.first(),
             QStringLiteral("カラリオン。コイン %1。エフワンで あそびかた、エスで じょうたい、エンターで スタート")
                 .arg(tuning::kStartCoins));
    // The view's keys say what they did.
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(game.main(), Qt::Key_M);
        QCOMPARE(said.last(),
                 game.windows.SoundOn() ? QStringLiteral("サウンド オン") : QStringLiteral("サウンド オフ"));
    }
    QTest::keyClick(game.main(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(said.last(), QStringLiteral("ひょうじ 100パーセント"));
    QTest::keyClick(game.main(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(said.last(), QStringLiteral("ひょうじ 100パーセント、いちばん ちいさい"));
    // The menu's entries carry their keys.
    QCOMPARE(Accessible(game.menu(), "Start")->text(QAccessible::Description), QStringLiteral("キー エンター"));
    QCOMPARE(Accessible(game.menu(), "Save")->text(QAccessible::Description), QStringLiteral("キー コントロール エス"));

    // Shift+F10 and the Menu key open the machine's right-click menu.
    for (QKeyCombination chord : {QKeyCombination(Qt::ShiftModifier, Qt::Key_F10), QKeyCombination(Qt::Key_Menu)}) {
        qsizetype entries = 0;
        // The menu runs its own event loop: a timer inside it closes it.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&entries] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                entries = menu->actions().size();
                menu->close();
            }
        });
        closer.start(10);
        QTest::keyClick(game.info(), chord.key(), chord.keyboardModifiers());
        QTRY_COMPARE(entries, 6);
    }

    // The help and the data window: a line under the caret at a time.
    game.windows.OpenHelpWindow();
    auto* help = game.windows.helpWindow()->findChild<LineReader*>();
    QVERIFY(help != nullptr);
    QTRY_VERIFY(help->hasFocus() || QApplication::focusWidget() == help || help->window()->focusWidget() == help);
    QCOMPARE(help->Lines().size(), HelpWindow::SpokenLines().size());
    QTest::keyClick(help, Qt::Key_Down);
    QCOMPARE(help->textCursor().block().text(), QStringLiteral("キー"));
    QTest::keyClick(help, Qt::Key_Down);
    QCOMPARE(help->textCursor().block().text(), QStringLiteral("スペース、マシンの クリック"));
    const qsizetype before = said.size();
    game.windows.OpenDataWindow();
    auto* data = game.windows.dataWindow()->findChild<LineReader*>();
    QVERIFY(data != nullptr);
    QCOMPARE(data->window()->focusWidget(), data);
    QCOMPARE(data->Lines().first(), QStringLiteral("このセッションのゲームはまだありません。"));
    QTest::keyClick(data, Qt::Key_Down);  // reads, does not lower the stake
    QVERIFY(data->textCursor().blockNumber() == 1);
    QCOMPARE(said.size(), before);
}

// The faults a player found, by the machine's click, by key and by a screen
// reader's press: the stake cannot rise once the reels are seen, a closed
// game offers no スタート, and nothing saves in mid-game.
void AccessTest::theGameRefusesWhatItsPhaseDoesNotAllow() {
    UiGame game;
    Game& g = game.g();
    QTest::keyClick(game.main(), Qt::Key_Up);
    QTest::keyClick(game.main(), Qt::Key_Return);
    QTest::keyClick(game.main(), Qt::Key_1);
    QTest::keyClick(game.main(), Qt::Key_2);
    said.clear();
    QTest::keyClick(game.main(), Qt::Key_Space);  // the machine's click: steps 1 and 2 of the cycle
    ClickAt(game.main(), QPoint(5, 5));
    PressAccessibly(Accessible(game.info(), "BetUp"));
    QCOMPARE(g.counters().Bet(), Count{1});
    QCOMPARE(g.counters().Coin(), tuning::kStartCoins - 1);
    QVERIFY(said.contains(QStringLiteral("リールが まわっています")));
    QVERIFY(!Label(game.menu(), "Save")->isEnabled());
    QTest::keyClick(game.main(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    game.Setup().ShowPicture(3, 1, PictureOf(Orange));  // no line of three
    QTest::keyClick(game.main(), Qt::Key_3);
    QCOMPARE(g.counters().Lost() + g.counters().Win(), Count{1});
    QVERIFY(!Label(game.menu(), "Start")->isEnabled());
    QTest::keyClick(game.main(), Qt::Key_Return);
    PressAccessibly(Accessible(game.menu(), "Start"));
    QCOMPARE(g.counters().Run(), Count{1});
    QCOMPARE(said.last(), QStringLiteral("ベットが ありません"));
    QVERIFY(Label(game.menu(), "Save")->isEnabled());
}

void AccessTest::outOfCoinsTheMachineSaysSoAndStartsAfresh() {
    UiGame game;
    Game& g = game.g();
    auto* notice = Control<QLabel>(game.main(), "NoCoins");
    QVERIFY(notice != nullptr && !notice->isVisible());
    QTest::keyClick(game.main(), Qt::Key_N, Qt::ControlModifier);  // coins left: refused, and said why
    QCOMPARE(g.counters().Coin(), tuning::kStartCoins);
    QCOMPARE(said.last(), QStringLiteral("コインが のこっています"));
    game.Setup().SetCoins(1);
    BetAndStart(game, 1);
    StopOn(game, {{Bell, Seven, Star}, {Grapes, Peach, Watermelon}, {Bar, Melon, Orange}});
    QVERIFY(notice->isVisible());
    QVERIFY(QAccessible::queryAccessibleInterface(notice)
                ->text(QAccessible::Name)
                .startsWith(QStringLiteral("コインがありません")));
    QTest::keyClick(game.main(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(testing::SavedCounters(g), (testing::Six{tuning::kStartCoins, 0, 0, 0, 0, 0}));
    QVERIFY(!notice->isVisible());
    QCOMPARE(said.last(), QStringLiteral("はじめから。コイン %1").arg(tuning::kStartCoins));
}

void AccessTest::theWinBadgeHoldsItsWordOnOneLine() {
    // The badge on a bare grey window the main window's size: its red text
    // shows on the yellow badge alone, never across its border or beyond.
    for (int percent : kZoomSteps) {
        SetZoomPercent(percent);
        QWidget window;
        window.setFixedSize(Zoomed(TwipSize(2880, 2100)));
        window.setPalette(QPalette(QColor(192, 192, 192)));
        auto* badge = new WinFrame(&window);
        const QRect box = Zoomed(TwipRect(15, 1590, 450, 480));
        for (const QString& paid : {QStringLiteral("リプレイ"), QStringLiteral("+200")}) {
            badge->Show(0, paid);
            const QImage shot = window.grab().toImage();
            int inside = 0;
            int outside = 0;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    if (c.red() - c.green() < 60 || c.red() - c.blue() < 60) continue;
                    (box.adjusted(1, 1, -1, -1).contains(x, y) ? inside : outside) += 1;
                }
            }
            const QString what = QStringLiteral("%1 at %2%").arg(paid).arg(percent);
            QVERIFY2(inside > 0, qPrintable(what));
            QVERIFY2(outside == 0, qPrintable(what));
        }
    }
    SetZoomPercent(100);
}

void AccessTest::tabFromAnyGameWindowFramesTheMenu() {
    UiGame game;
    Game& g = game.g();
    // At rest "スタート" cannot be pressed: Tab passes it by.
    auto framed = [&game]() -> QString {
        auto* entry = qobject_cast<CaptionLabel*>(QApplication::focusWidget());
        return entry != nullptr && entry->TabbedTo() && entry->window() == game.menu() ? entry->objectName()
                                                                                       : QString();
    };
    for (QWidget* from : {game.main(), game.info(), game.menu()}) {
        QApplication::setActiveWindow(from);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab);
        QTRY_COMPARE(framed(), QStringLiteral("Save"));
        // Past the last entry the keyboard goes back to the machine, unframed.
        for (const char* next : {"Loading", "Version", "Ended"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(framed(), QString::fromLatin1(next));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(game.main()->isActiveWindow());
        QCOMPARE(framed(), QString());
    }
    // Shift+Tab from the machine frames the last entry; Escape takes the frame away.
    QTest::keyClick(game.main(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(framed(), QStringLiteral("Ended"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(framed(), QString());
    // Space is the machine's click again.
    const int step = g.ClickStep();
    QTest::keyClick(game.menu(), Qt::Key_Space);
    QCOMPARE(g.ClickStep(), step + 1);
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
