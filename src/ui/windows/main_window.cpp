#include "ui/windows/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>

#include "machine/game.h"
#include "machine/machine.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/controls/spoken.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {
namespace {

constexpr int kReelLeft[3] = {360, 1080, 1800};
constexpr int kCellLeft[3] = {480, 1200, 1920};
constexpr int kRowTop[3] = {360, 720, 1080};
constexpr int kLineTop[3] = {480, 840, 1200};
constexpr int kLampLeft[2] = {0, 2520};

// A filled shape: a lamp says its name, a panel only decorates.
FilledRect* Rect(QWidget* parent, const QString& name, const QString& spoken, Colour fill, QRect geometry) {
    auto* rect = new FilledRect(fill, parent);
    if (spoken.isEmpty()) {
        NameDecoration(rect, name);
    } else {
        NameControl(rect, name, spoken);
    }
    rect->setGeometry(geometry);
    return rect;
}

const QString kRowNames[3] = {QStringLiteral("上段"), QStringLiteral("中段"), QStringLiteral("下段")};

QString Lit(bool lit) { return lit ? QStringLiteral("点灯") : QStringLiteral("消灯"); }

void Describe(QWidget* widget, const QString& shown) {
    const QString text = ForEar(shown);
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

}  // namespace

MainWindow::MainWindow(WindowHost& windows) : windows_(windows) {
    setWindowTitle(QStringLiteral(" カラリオン"));
    setAccessibleName(QStringLiteral("カラリオン"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DefaultFont());
    setFixedSize(TwipSize(2880, 2100));
    setObjectName(QStringLiteral("Form1"));

    // Created back to front: panels, then the lamps above the reel frames,
    // then the captions and cells on top.
    Rect(this, QStringLiteral("Shape3(1)"), {}, kLightGrey, TwipRect(0, 240, 375, 1335));
    Rect(this, QStringLiteral("Shape3(0)"), {}, kLightGrey, TwipRect(2520, 240, 375, 1335));
    for (int i = 0; i < 3; ++i)
        Rect(this, QStringLiteral("Shape1(%1)").arg(i), {}, kMagenta, TwipRect(kReelLeft[i], 240, 735, 1335));
    Rect(this, QStringLiteral("Shape2"), {}, kYellow, TwipRect(360, 1560, 2175, 495));
    for (int i = 0; i < 3; ++i) {
        reelLamps_[i] = Rect(this, QStringLiteral("LED(%1)").arg(i), QStringLiteral("リールランプ%1").arg(i + 1), kCyan,
                             TwipRect(kReelLeft[i], 0, 735, 255));
    }

    QFont lampFont = DefaultFont();
    lampFont.setBold(true);
    for (int line = 1; line <= 3; ++line) {
        for (int end = 0; end < 2; ++end) {
            auto* lamp = new CaptionLabel(QStringLiteral("●"), this);
            NameControl(
                lamp, QStringLiteral("Line%1(%2)").arg(line).arg(end),
                QStringLiteral("ライン%1 %2").arg(line).arg(end == 0 ? QStringLiteral("左") : QStringLiteral("右")));
            lamp->setFont(lampFont);
            lamp->setGeometry(TwipRect(kLampLeft[end], kLineTop[line - 1], 375, 255));
            betLamps_[line - 1][end] = lamp;
        }
    }
    for (int reel = 1; reel <= 3; ++reel) {
        for (int row = 1; row <= 3; ++row) {
            auto* cell = new ReelCell(this);
            NameControl(cell, QStringLiteral("Slot%1(%2)").arg(reel).arg(row),
                        QStringLiteral("リール%1 %2").arg(reel).arg(kRowNames[row - 1]));
            cell->setGeometry(TwipRect(kCellLeft[reel - 1], kRowTop[row - 1], 384, 324));
            cells_[reel - 1][row - 1] = cell;
        }
    }
    const QFont stopFont = GothicFont(12, true);
    for (int reel = 1; reel <= 3; ++reel) {
        auto* stop = new CaptionLabel(QStringLiteral("■"), this);
        NameControl(stop, QStringLiteral("Stop%1").arg(reel), QStringLiteral("リール%1 停止").arg(reel));
        stop->setFont(stopFont);
        stop->SetButton(true);
        stop->setGeometry(TwipRect(kCellLeft[reel - 1], 1680, 495, 255));
        connect(stop, &CaptionLabel::clicked, this, [this, reel] { windows_.Send(machine::Order::Stop(reel)); });
        stopButtons_[reel - 1] = stop;
    }
    // With no coin in hand or staked nothing answers a click: the machine says
    // why, over the reels, and where the way on is.
    noCoins_ = new QLabel(QStringLiteral("コインがありません\nはじめから：Ctrl+N"), this);
    NameControl(noCoins_, QStringLiteral("NoCoins"),
                QStringLiteral("コインがありません。はじめからは コントロール エヌ"));
    noCoins_->setAlignment(Qt::AlignCenter);
    noCoins_->setFont(GothicFont(11, true));
    noCoins_->setAutoFillBackground(true);
    QPalette notice = noCoins_->palette();
    notice.setColor(QPalette::Window, Qt::white);
    notice.setColor(QPalette::WindowText, QColor(0xa0, 0x00, 0x00));  // 7.8:1 on white
    noCoins_->setPalette(notice);
    noCoins_->setAttribute(Qt::WA_TransparentForMouseEvents);
    noCoins_->setGeometry(TwipRect(360, 660, 2175, 660));
    noCoins_->hide();
    Refresh();
}

QRect MainWindow::CellGeometry(int reel, int row) const {
    return cells_.at(static_cast<std::size_t>(reel - 1)).at(static_cast<std::size_t>(row - 1))->geometry();
}

void MainWindow::Refresh() {
    const Game& g = windows_.game();
    const bool broke = g.counters().OutOfCoins() && g.phase() == Phase::BetweenGames;
    if (noCoins_->isVisible() != broke) noCoins_->setVisible(broke);
    const reels::Reels& s = g.reels();
    // What moves is described only at rest: a chase, a flash or a spin told
    // to the bus step by step would drown what a screen reader has to say.
    const std::array<bool, 3> spinning = {s.ReelTimer(1).Enabled(), s.ReelTimer(2).Enabled(), s.ReelTimer(3).Enabled()};
    for (int i = 0; i < 3; ++i) {
        const Colour lamp = g.reelLamps().ReelLamp(i);
        reelLamps_[i]->SetFill(lamp);
        if (!spinning[i]) Describe(reelLamps_[i], Lit(lamp == kCyan));
    }
    const bool flashing = g.betLamps().FlashTimer().Enabled();
    for (int line = 1; line <= 3; ++line) {
        for (int end = 0; end < 2; ++end) {
            const Colour lamp = g.betLamps().BetLamp(line, end);
            betLamps_[line - 1][end]->SetColour(lamp);
            if (!flashing) Describe(betLamps_[line - 1][end], Lit(lamp == kRed));
        }
    }
    for (int reel = 1; reel <= 3; ++reel) {
        CaptionLabel* stop = stopButtons_[reel - 1];
        if (stop->isEnabled() != s.StopButton(reel).enabled) stop->setEnabled(s.StopButton(reel).enabled);
        stop->SetColour(s.StopButton(reel).foreColor);
        for (int row = 1; row <= 3; ++row) {
            ReelCell* cell = cells_[reel - 1][row - 1];
            cell->SetSymbol(LooksLike(s.Cell(reel, row)));
            cell->Describe(spinning[reel - 1]);
        }
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) BackgroundClick();
}

void MainWindow::BackgroundClick() { windows_.Send({.kind = machine::Order::Kind::ClickBackground}); }

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is one more press: three quick
    // clicks are three steps of the cycle, which then stays in step.
    mousePressEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    windows_.MainWindowMoved();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) windows_.MainWindowStateChanged();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.EndProgram();
}

}  // namespace kararion::ui
