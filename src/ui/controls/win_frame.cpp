#include "ui/controls/win_frame.h"

#include "paytable/paytable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "ui/controls/look.h"

namespace kararion::ui {

std::array<int, 3> LineRows(int line) {
    const paytable::PayLine* payLine = paytable::LineNumbered(line);
    if (payLine == nullptr) return {0, 0, 0};
    return {payLine->cells[0].row, payLine->cells[1].row, payLine->cells[2].row};
}

WinFrame::WinFrame(QWidget* mainWindow, std::function<QRect(int, int)> cellRect)
    : QWidget(mainWindow), cellRect_(std::move(cellRect)) {
    setObjectName(QStringLiteral("WinFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(mainWindow->rect());
    raise();
}

void WinFrame::Show(int line, const QString& paid) {
    if (line == line_ && paid == paid_) return;
    line_ = line;
    paid_ = paid;
    update();
}

void WinFrame::Clear() { Show(0, QString()); }

QRect WinFrame::CellRect(int reel, int row) const { return cellRect_ ? cellRect_(reel, row) : QRect(); }

std::array<QRect, 3> WinFrame::FramedCells() const {
    std::array<QRect, 3> cells{};
    if (line_ == 0) return cells;
    const std::array<int, 3> rows = LineRows(line_);
    for (int reel = 1; reel <= 3; ++reel) cells[reel - 1] = CellRect(reel, rows[reel - 1]);
    return cells;
}

QRect WinFrame::PaidRect() const {
    // The bare corner left of the stop panel and below the left lamp panel.
    return Zoomed(TwipRect(15, 1590, 450, 480));
}

void WinFrame::paintEvent(QPaintEvent*) {
    if (line_ == 0 && paid_.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QRect& cell : FramedCells()) {
        if (cell.isNull()) continue;
        // A white band edged in black reads on the magenta frame and on
        // every symbol's colours alike.
        const qreal band = Zoomed(100) / 100.0;
        const QRectF ring = QRectF(cell).adjusted(-band, -band, band, band);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 4 * band));
        painter.drawRect(ring);
        painter.setPen(QPen(QColor(255, 255, 0), 2 * band));
        painter.drawRect(ring);
    }
    if (paid_.isEmpty()) return;
    const QRectF box = PaidRect();
    // One line, whole, inside the badge's border: a word or number too wide
    // for the corner ("リプレイ", "+200") is drawn narrower first, down to
    // three fifths of its width, and only then smaller.
    QFont font = Zoomed(GothicFont(10, true));
    const QRectF room = box.adjusted(2, 1, -2, -1);
    const QString text = paid_;
    auto fits = [&font, &text, &room] {
        const QFontMetricsF metrics(font);
        return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
    };
    for (int stretch = 100; stretch >= 60 && !fits(); stretch -= 5) font.setStretch(stretch);
    for (int pixels = font.pixelSize(); pixels > 4 && !fits(); --pixels) font.setPixelSize(pixels - 1);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(QColor(192, 0, 0));
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
}

}  // namespace kararion::ui
