// Start-up, clicks reaching the rules (and only the right ones), hover colours.
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include "core/counters.h"
#include "core/tuning.h"
#include "paytable/paytable.h"
#include "ui/access/accessibility.h"
#include "ui/controls/controls.h"
#include "ui/controls/symbol_art.h"
#include "ui/reading/help_window.h"
#include "ui_game.h"

using namespace kararion;
using namespace kararion::ui;

namespace {

QString FieldText(UiGame& game, const char* name) { return Control<QLineEdit>(game.info(), name)->text(); }
CaptionLabel* Label(QWidget* window, const char* name) { return Control<CaptionLabel>(window, name); }

// Whether a widget, as drawn, shows any lamp-red pixel.
bool ShowsRed(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) return true;
        }
    }
    return false;
}

// The width a line edit draws its text in: inside its frame, its text
// margins and the two pixels it keeps clear on either side.
int TextWidthOf(QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect inside = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    return inside.width() - field->textMargins().left() - field->textMargins().right() - 4;
}

// A point of the main window that no control covers (above the left lamp panel).
const QPoint kBareBackground(4, 4);

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheGameAtRest();
    void everyControlCarriesItsName();
    void reelCellsNameTheirSymbols();
    void onlyTheBackgroundAndShapesStepTheClickCycle();
    void aDoubleClickIsTwoClicks();
    void betButtonsAndStopButtonsReachTheRules();
    void aWinFlashesItsLineInTheLamps();
    void longCountsShowEveryDigit();
    void infoHoverColoursFollowThePointer();
    void menuHoverColoursFollowThePointer();
    void closingTheMainWindowEndsTheProgram();
    void theApplicationQuittingEndsTheProgram();
    void theHelpListsEveryPayoutOfTheTable();
    void theVolumeStepsByKeysAndMenuAndOutlivesMuteAndRestart();
};

void WindowsTest::startUpShowsTheGameAtRest() {
    UiGame game;
    QVERIFY(game.main()->isVisible());
    QVERIFY(game.info()->isVisible());
    QVERIFY(game.menu()->isVisible());
    QCOMPARE(game.main()->windowTitle(), QStringLiteral(" カラリオン"));
    QCOMPARE(game.info()->windowTitle(), QStringLiteral(" - 情報 -"));
    QCOMPARE(game.menu()->windowTitle(), QStringLiteral(" - メニュー -"));
    QCOMPARE(game.main()->size(), QSize(192, 140));  // 2880 x 2100 twips

    QCOMPARE(FieldText(game, "Coin"), QString::number(tuning::kStartCoins));
    for (const char* name : {"Bet", "Run", "Lost", "Win", "UsedCoin", "WinCoin"})
        QCOMPARE(FieldText(game, name), QStringLiteral("0"));
    QVERIFY(Control<QLineEdit>(game.info(), "Coin")->isReadOnly());

    for (const char* stop : {"Stop1", "Stop2", "Stop3"}) {
        QVERIFY(!Label(game.main(), stop)->isEnabled());
        QCOMPARE(Label(game.main(), stop)->colour(), kDarkNavy);
    }
    QVERIFY(!Label(game.menu(), "Start")->isEnabled());
    QVERIFY(Label(game.menu(), "Save")->isEnabled());
    QVERIFY(Label(game.info(), "BetUp")->isEnabled());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(Control<FilledRect>(game.main(), qPrintable(QStringLiteral("LED(%1)").arg(i)))->fill(), kCyan);
    // A lamp at load carries the window text colour, which is not lit.
    QCOMPARE(Label(game.main(), "Line1(0)")->colour(), kDefaultText);
}

void WindowsTest::everyControlCarriesItsName() {
    // The system name is the objectName; the accessible name is what a player hears.
    UiGame game;
    const char* const mainNames[] = {"LED(0)",   "LED(2)",   "Shape1(1)", "Shape2", "Shape3(0)", "Line1(0)",
                                     "Line3(1)", "Slot1(1)", "Slot3(3)",  "Stop1",  "Stop3"};
    for (const char* name : mainNames) QVERIFY2(Control(game.main(), name) != nullptr, name);
    const char* const infoNames[] = {"Coin", "UsedCoin", "Bet",     "Run",       "WinCoin", "Win",
                                     "Lost", "BetUp",    "BetDown", "Label4(2)", "Label2",  "Label3"};
    for (const char* name : infoNames) QVERIFY2(Control(game.info(), name) != nullptr, name);
    QCOMPARE(Control(game.info(), "Coin")->accessibleName(), QStringLiteral("コインすう"));
    QCOMPARE(Control(game.info(), "Lost")->accessibleName(), QStringLiteral("ハズレすう"));
    QCOMPARE(Control(game.main(), "Slot1(2)")->accessibleName(), QStringLiteral("リール1 ちゅうだん"));
    for (const char* name : {"Start", "Save", "Loading", "Version", "Ended"})
        QVERIFY2(Control(game.menu(), name) != nullptr, name);
    QCOMPARE(Label(game.menu(), "Version")->text(), QStringLiteral("バージョン"));
}

void WindowsTest::reelCellsNameTheirSymbols() {
    UiGame game;
    // The pictures at load: reel 1 shows orange, replay, melon from the top.
    QCOMPARE(Control(game.main(), "Slot1(1)")->accessibleDescription(), QStringLiteral("オレンジ"));
    QCOMPARE(Control(game.main(), "Slot1(2)")->accessibleDescription(), QStringLiteral("リプレイ"));
    QCOMPARE(Control(game.main(), "Slot2(1)")->accessibleDescription(), QStringLiteral("BAR"));
    QCOMPARE(Control(game.main(), "Slot3(3)")->accessibleDescription(), QStringLiteral("ベル"));

    // Whatever the reels show after spinning, the cells show it too.
    game.Setup().ShowPicture(1, 1, PictureOf(Symbol::Seven));
    game.Setup().ShowPicture(2, 2, PictureOf(Symbol::Bar));
    game.windows.RefreshAll();
    QCOMPARE(Control<ReelCell>(game.main(), "Slot1(1)")->symbol(), Symbol::Seven);
    QCOMPARE(Control(game.main(), "Slot1(1)")->accessibleDescription(), QStringLiteral("セブン"));
    QCOMPARE(Control(game.main(), "Slot2(2)")->accessibleDescription(), QStringLiteral("BAR"));
}

void WindowsTest::onlyTheBackgroundAndShapesStepTheClickCycle() {
    UiGame game;
    Game& g = game.g();
    ClickAt(game.main(), kBareBackground);
    QCOMPARE(g.ClickStep(), 1);
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("1"));
    QCOMPARE(FieldText(game, "Coin"), QString::number(tuning::kStartCoins - 1));
    QCOMPARE(Label(game.main(), "Line1(0)")->colour(), kRed);
    QVERIFY(Label(game.menu(), "Start")->isEnabled());

    // Lamps, cells and stop buttons (enabled or not) keep their clicks.
    for (const char* name : {"Line1(0)", "Line2(1)", "Slot2(2)", "Slot1(3)", "Stop1", "Stop3"}) {
        Click(Control(game.main(), name));
        QVERIFY2(g.ClickStep() == 1, name);
    }
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("1"));

    // Filled rectangles take no clicks: the window beneath them does.
    Click(Control(game.main(), "LED(1)"));
    QCOMPARE(g.ClickStep(), 2);
    ClickAt(game.main(), Control(game.main(), "Shape2")->geometry().topLeft() + QPoint(3, 3));
    QCOMPARE(g.ClickStep(), 3);
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("3"));

    // The fourth click starts the game; the stop buttons come alive.
    ClickAt(game.main(), kBareBackground);
    QCOMPARE(g.ClickStep(), 4);
    QVERIFY(g.reels().ReelTimer(1).Enabled());
    QVERIFY(Label(game.main(), "Stop1")->isEnabled());
    QCOMPARE(Label(game.main(), "Stop1")->colour(), kBlue);
    QVERIFY(!Label(game.info(), "BetUp")->isEnabled());
}

void WindowsTest::aDoubleClickIsTwoClicks() {
    // Every press counts, as with the platform's own buttons.
    UiGame game;
    QTest::mouseDClick(game.main()->windowHandle(), Qt::LeftButton, Qt::NoModifier, kBareBackground);
    QCOMPARE(game.g().ClickStep(), 2);
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("2"));
    CaptionLabel* down = Label(game.info(), "BetDown");
    QTest::mouseDClick(game.info()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(down));
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("0"));
    CaptionLabel* up = Label(game.info(), "BetUp");
    QTest::mouseDClick(game.info()->windowHandle(), Qt::LeftButton, Qt::NoModifier, InWindow(up));
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("2"));
    QCOMPARE(FieldText(game, "Coin"), QString::number(tuning::kStartCoins - 2));
}

void WindowsTest::betButtonsAndStopButtonsReachTheRules() {
    UiGame game;
    Game& g = game.g();
    Click(Label(game.info(), "BetUp"));
    Click(Label(game.info(), "BetUp"));
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("2"));
    QCOMPARE(FieldText(game, "UsedCoin"), QStringLiteral("2"));
    Click(Label(game.info(), "BetDown"));
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("1"));
    QCOMPARE(FieldText(game, "Coin"), QString::number(tuning::kStartCoins - 1));

    Click(Label(game.menu(), "Start"));
    QVERIFY(g.reels().ReelTimer(1).Enabled() && g.reels().ReelTimer(2).Enabled() && g.reels().ReelTimer(3).Enabled());
    QCOMPARE(FieldText(game, "Run"), QStringLiteral("1"));
    QVERIFY(!Label(game.menu(), "Start")->isEnabled());

    // The bet buttons are off during the game: a click does nothing.
    Click(Label(game.info(), "BetUp"));
    QCOMPARE(FieldText(game, "Bet"), QStringLiteral("1"));

    game.Advance(250);
    for (int reel = 1; reel <= 3; ++reel) {
        for (int row = 1; row <= 3; ++row) {
            auto* cell = Control<ReelCell>(game.main(), qPrintable(QStringLiteral("Slot%1(%2)").arg(reel).arg(row)));
            QCOMPARE(cell->symbol(), LooksLike(g.reels().Cell(reel, row)));
        }
    }

    game.fx.Clear();
    Click(Label(game.main(), "Stop2"));
    QVERIFY(!g.reels().ReelTimer(2).Enabled());
    QVERIFY(g.reels().ReelTimer(1).Enabled());
    QVERIFY(!Label(game.main(), "Stop2")->isEnabled());
    QCOMPARE(Control<FilledRect>(game.main(), "LED(1)")->fill(), kCyan);
    QCOMPARE(Control<FilledRect>(game.main(), "LED(0)")->fill(), kDarkTeal);
    QVERIFY(!game.fx.SoundsPlayed().empty());
    QVERIFY(QString::fromStdString(game.fx.SoundsPlayed().back()).endsWith(QStringLiteral("stop.wav")));
    QCOMPARE(g.ClickStep(), 0);  // a stop button is no click of the window

    Click(Label(game.main(), "Stop1"));
    Click(Label(game.main(), "Stop3"));
    QVERIFY(!g.reels().ReelTimer(1).Enabled() && !g.reels().ReelTimer(3).Enabled());
    QCOMPARE(g.counters().Win() + g.counters().Lost(), Count{1});
}

void WindowsTest::aWinFlashesItsLineInTheLamps() {
    UiGame game;
    for (int i = 0; i < 3; ++i) Click(Label(game.info(), "BetUp"));
    Click(Label(game.menu(), "Start"));
    // Sevens down the falling diagonal (a long count-up); a stop leaves the view as it is.
    using enum Symbol;
    const Symbol rows[3][3] = {{Seven, Star, Grapes}, {Melon, Seven, Watermelon}, {Peach, Replay, Seven}};
    for (int row = 1; row <= 3; ++row)
        for (int reel = 1; reel <= 3; ++reel) game.Setup().ShowPicture(reel, row, PictureOf(rows[row - 1][reel - 1]));
    for (const char* stop : {"Stop1", "Stop2", "Stop3"}) Click(Label(game.main(), stop));
    QCOMPARE(FieldText(game, "Win"), QStringLiteral("1"));

    // What the player sees: the diagonal's two end lamps go dark and light
    // again every 100 ms; the other four stay lit.
    const char* const ends[] = {"Line1(0)", "Line3(1)"};
    const char* const others[] = {"Line1(1)", "Line2(0)", "Line2(1)", "Line3(0)"};
    for (int tick = 0; tick < 4; ++tick) {
        game.Advance(100);
        const Colour flash = tick % 2 == 0 ? kBlack : kRed;
        for (const char* lamp : ends) QCOMPARE(Label(game.main(), lamp)->colour(), flash);
        for (const char* lamp : others) QCOMPARE(Label(game.main(), lamp)->colour(), kRed);
        QCOMPARE(ShowsRed(Label(game.main(), "Line1(0)")), flash == kRed);
        QVERIFY(ShowsRed(Label(game.main(), "Line2(0)")));
    }
    QCOMPARE(Control<ReelCell>(game.main(), "Slot2(2)")->symbol(), Seven);
    QCOMPARE(Control<ReelCell>(game.main(), "Slot2(2)")->accessibleDescription(), SymbolName(Seven));
}

void WindowsTest::longCountsShowEveryDigit() {
    UiGame game;
    auto* used = Control<QLineEdit>(game.info(), "UsedCoin");
    const int fullSize = used->font().pixelSize();
    auto setUsed = [&game](Count coins) {
        SavedCounts saved = game.g().counters().Saved();
        saved.usedCoin = coins;
        game.Setup().SetSaved(saved);
        game.windows.RefreshAll();
    };
    // Players pass 10,000 coins used within a few thousand games.
    for (const Count count : {12345, 100000, 1234567}) {
        setUsed(count);
        QCOMPARE(used->text(), QString::number(count));
        QVERIFY(used->isReadOnly());
        const qreal width = QFontMetricsF(used->font()).horizontalAdvance(used->text());
        QVERIFY2(width <= TextWidthOf(used), qPrintable(QStringLiteral("%1 is %2 px wide in a field of %3")
                                                            .arg(used->text())
                                                            .arg(width)
                                                            .arg(TextWidthOf(used))));
        QVERIFY(used->font().pixelSize() >= 8);  // still legible
    }
    // Too long for any legible size: the first digits show, not the last.
    setUsed(123456789012);
    QCOMPARE(used->cursorPosition(), 0);
    QVERIFY(used->font().pixelSize() >= 8);
    // A short count takes the full size again.
    setUsed(7);
    QCOMPARE(used->font().pixelSize(), fullSize);
    QCOMPARE(used->font().pixelSize(), Control<QLineEdit>(game.info(), "Coin")->font().pixelSize());
}

void WindowsTest::infoHoverColoursFollowThePointer() {
    UiGame game;
    Game& g = game.g();
    CaptionLabel* up = Label(game.info(), "BetUp");
    CaptionLabel* down = Label(game.info(), "BetDown");
    Hover(up);
    QCOMPARE(g.betting().BetUp().foreColor, kRed);
    QCOMPARE(up->colour(), kRed);
    Hover(down);
    QCOMPARE(down->colour(), kRed);
    QCOMPARE(up->colour(), kBlack);

    // Over a counter field or a caption the button stays red ...
    Hover(Control(game.info(), "Coin"));
    Hover(Control(game.info(), "Label4(2)"));
    QCOMPARE(down->colour(), kRed);
    // ... until the pointer crosses the bare background.
    MoveTo(game.info(), QPoint(game.info()->width() - 2, game.info()->height() - 2));
    QCOMPARE(down->colour(), kBlack);
    QCOMPARE(up->colour(), kBlack);

    // During a game the buttons are off: no hover colour.
    Click(up);
    Click(Label(game.menu(), "Start"));
    QVERIFY(!up->isEnabled());
    MoveTo(game.info(), QPoint(game.info()->width() - 2, game.info()->height() - 2));
    Hover(up);
    QCOMPARE(g.betting().BetUp().foreColor, kBlack);
    QCOMPARE(up->colour(), kBlack);
}

void WindowsTest::menuHoverColoursFollowThePointer() {
    UiGame game;
    CaptionLabel* start = Label(game.menu(), "Start");
    CaptionLabel* loading = Label(game.menu(), "Loading");
    CaptionLabel* ended = Label(game.menu(), "Ended");
    Hover(ended);
    QCOMPARE(ended->colour(), kRed);
    Hover(loading);
    QCOMPARE(loading->colour(), kRed);
    QCOMPARE(ended->colour(), kBlack);
    // The greyed start entry does not light.
    Hover(start);
    QCOMPARE(start->colour(), kBlack);
    QCOMPARE(game.g().menu().ForeColor(menu::Entry::Start), kBlack);
    MoveTo(game.menu(), QPoint(2, game.menu()->height() - 2));
    QCOMPARE(loading->colour(), kBlack);

    Click(Label(game.info(), "BetUp"));
    QVERIFY(start->isEnabled());
    Hover(start);
    QCOMPARE(start->colour(), kRed);
}

void WindowsTest::closingTheMainWindowEndsTheProgram() {
    UiGame game;
    Click(Label(game.info(), "BetUp"));
    Click(Label(game.menu(), "Start"));
    QVERIFY(game.g().reels().ReelTimer(1).Enabled());
    game.main()->close();
    QVERIFY(game.windows.Ended());
    QCOMPARE(game.ends, 1);
    for (const GameTimer* timer : AllTimers(game.g())) QVERIFY(!timer->Enabled());
    QVERIFY(!game.info()->isVisible());
    QVERIFY(!game.menu()->isVisible());
}

void WindowsTest::theApplicationQuittingEndsTheProgram() {
    // A quit from outside (the desktop session ending) must not be refused by
    // the side windows, whose own close boxes do nothing.
    UiGame game;
    game.windows.SetOnEnd([&game] {
        ++game.ends;
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });  // the quit was refused
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(game.windows.Ended());
    QCOMPARE(game.ends, 1);
    QVERIFY(!game.main()->isVisible());
}

void WindowsTest::theHelpListsEveryPayoutOfTheTable() {
    UiGame game;
    QTest::keyClick(game.main(), Qt::Key_F1);
    HelpWindow* help = game.windows.helpWindow();
    QVERIFY(help != nullptr && help->isVisible());
    // Each row as a screen reader reads it: the picture, the name, the payout.
    const QStringList lines = help->Text().split(QLatin1Char('\n'));
    for (const paytable::Payout& payout : paytable::PayoutTable()) {
        const QString name = QString::fromUtf8(paytable::SpokenName(payout.symbol).data());
        const QString coins = payout.coins == paytable::kReplayPayout ? QStringLiteral("リプレイ")
                                                                      : QStringLiteral("%1枚").arg(payout.coins);
        const auto row = std::find(lines.begin(), lines.end(), name);
        QVERIFY2(row != lines.end() && row + 1 != lines.end() && (row + 1)->startsWith(coins), qPrintable(name));
    }
    for (const char* key : {"F1", "Ctrl + 0", "Ctrl + S", "Ctrl + ↑", "Escape"})
        QVERIFY2(help->Text().contains(QString::fromUtf8(key)), key);
}

// The volume in steps of ten, by Ctrl+Up and Ctrl+Down and by the right-click
// menu's "音量"; M silences and brings back the volume set, 0% is silent
// without being off, and the next start remembers it.
void WindowsTest::theVolumeStepsByKeysAndMenuAndOutlivesMuteAndRestart() {
    QSettings(QStringLiteral("kararion"), QStringLiteral("kararion")).remove(QStringLiteral("sound"));
    int output = -1;  // what the sound device was given last
    bool on = false;
    {
        UiGame game;
        game.windows.SetVolumeSwitch([&](int percent) { output = percent; });
        game.windows.SetSoundSwitch([&](bool sound) { on = sound; });
        QCOMPARE(game.windows.Volume(), 100);
        auto volumeKey = [&](Qt::Key key) { QTest::keyClick(game.main(), key, Qt::ControlModifier); };
        volumeKey(Qt::Key_Up);  // already full
        QCOMPARE(game.windows.Volume(), 100);
        for (int i = 0; i < 3; ++i) volumeKey(Qt::Key_Down);
        QCOMPARE(game.windows.Volume(), 70);
        QCOMPARE(output, 70);
        QCOMPARE(game.windows.announcer()->lastWords(), QStringLiteral("おんりょう 70%"));
        QCOMPARE(FieldText(game, "Bet"), QStringLiteral("0"));  // the stake is not the volume

        QTest::keyClick(game.main(), Qt::Key_M);
        QVERIFY(!game.windows.SoundOn());
        volumeKey(Qt::Key_Up);  // set while silent, heard once the sound is back
        QVERIFY(!game.windows.SoundOn());
        QCOMPARE(game.windows.announcer()->lastWords(), QStringLiteral("おんりょう 80%、サウンド オフ"));
        QTest::keyClick(game.main(), Qt::Key_M);
        QVERIFY(game.windows.SoundOn() && on);
        QCOMPARE(game.windows.Volume(), 80);

        for (int i = 0; i < 10; ++i) volumeKey(Qt::Key_Down);
        QCOMPARE(game.windows.Volume(), 0);
        QCOMPARE(output, 0);
        QVERIFY(game.windows.SoundOn());  // silent, not off

        // The right-click menu's "音量": one entry a step, the one set checked.
        QMenu* volume = nullptr;
        for (QAction* entry : game.main()->actions()) {
            if (entry->text() == QStringLiteral("音量")) volume = entry->menu();
        }
        QVERIFY(volume != nullptr);
        const QList<QAction*> steps = volume->actions();
        QCOMPARE(steps.size(), 11);
        QVERIFY(steps.front()->isChecked());
        steps[5]->trigger();
        QCOMPARE(game.windows.Volume(), 50);
        QCOMPARE(output, 50);
        QVERIFY(steps[5]->isChecked() && !steps.front()->isChecked());
    }
    UiGame again;
    QCOMPARE(again.windows.Volume(), 50);
    QVERIFY(again.windows.SoundOn());
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
