#include "ui/controls/controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/controls/look.h"
#include "ui/controls/spoken.h"
#include "ui/controls/symbol_art.h"

namespace kararion::ui {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    KeepMouseEvents(this);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::SetColour(Colour colour) {
    if (colour == colour_) return;
    colour_ = colour;
    update();
}

void CaptionLabel::SetButton(bool button) {
    button_ = button;
    setMouseTracking(button);
    setCursor(button ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    // Japanese faces carry tall line boxes; placing the em box itself keeps a
    // caption where its control is, even in a control lower than the line.
    const QFontMetricsF metrics(font());
    const qreal em = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();
    const qreal width = metrics.horizontalAdvance(text_);
    qreal x = 0;
    if (alignment_ & Qt::AlignHCenter) x = (this->width() - width) / 2;
    if (alignment_ & Qt::AlignRight) x = this->width() - width;
    qreal top = 0;
    if (alignment_ & Qt::AlignVCenter) top = (height() - em) / 2;
    if (alignment_ & Qt::AlignTop) top = em * 0.1;
    const QPointF baseline(x, top + em * 0.88);
    if (!isEnabled() && greyWhenDisabled_) {
        // The classic engraved look of a disabled caption.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(baseline + QPointF(1, 1), text_);
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    } else {
        painter.setPen(ToQColor(colour_, palette()));
    }
    painter.drawText(baseline, text_);
}

namespace {

// The focus frame, drawn on the caption's window beside it: the caption's
// own box is no taller than its text.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const qreal half = kFocusFrameWidth / 2.0;
        painter.setPen(QPen(FocusColour(parentWidget()->palette().color(QPalette::Window)), kFocusFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
};

}  // namespace

void CaptionLabel::PlaceRing() {
    if (ShowsFocus() && ring_ == nullptr && parentWidget() != nullptr) ring_ = new FocusRing(parentWidget());
    if (ring_ == nullptr) return;
    if (!ShowsFocus()) {
        ring_->hide();
        return;
    }
    // The frame says where Space and Enter go; a pointer hovering elsewhere
    // does not move it. Kept inside the window: a caption may run past its edge.
    const int room = std::max(kFocusFrameWidth + 1, height() / 5);
    ring_->setGeometry(geometry().adjusted(0, -room, 0, room).intersected(parentWidget()->rect()));
    ring_->show();
    ring_->raise();
}

void CaptionLabel::TakeTabFocus(Qt::FocusReason reason) {
    keyboardFocus_ = true;
    setFocus(reason);
    PlaceRing();
}

void CaptionLabel::DropTabFocus() {
    keyboardFocus_ = false;
    if (hasFocus()) window()->setFocus(Qt::OtherFocusReason);
    PlaceRing();
}

void CaptionLabel::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PlaceRing();
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceRing();
}

void CaptionLabel::Press() {
    if (button_ && isEnabled()) emit clicked();
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && button_) emit clicked();
}

void CaptionLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other: two
    // quick clicks on "↑" are two bets.
    mousePressEvent(event);
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (button_) emit hovered();
}

void CaptionLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activates = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!activates || !ShowsFocus()) {
        // Not for this caption: the window's own keys get it.
        event->ignore();
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) Press();
}

void CaptionLabel::focusInEvent(QFocusEvent* event) {
    // Only Tab shows where the keyboard is. The focus a window hands its
    // first control when it is clicked shows nothing, so Space there still
    // goes to the machine; a window coming back keeps what Tab had shown.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        keyboardFocus_ = true;
    } else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        keyboardFocus_ = false;
    }
    QWidget::focusInEvent(event);
    PlaceRing();
}

void CaptionLabel::focusOutEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) keyboardFocus_ = false;
    QWidget::focusOutEvent(event);
    PlaceRing();
}

FilledRect::FilledRect(Colour fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FilledRect::SetFill(Colour fill) {
    if (fill == fill_) return;
    fill_ = fill;
    update();
}

void FilledRect::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A thin black outline, as the window system draws a shape by default:
    // it keeps neighbouring lamps and reel frames apart.
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(fill_, palette()));
}

ReelCell::ReelCell(QWidget* parent) : QWidget(parent) { KeepMouseEvents(this); }

void ReelCell::SetSymbol(std::optional<Symbol> symbol) {
    if (symbol == symbol_) return;
    symbol_ = symbol;
    update();
}

void ReelCell::Describe(bool spinning) {
    const QString words = ForEar(spinning ? QStringLiteral("回転中") : SymbolName(symbol_));
    if (accessibleDescription() != words) setAccessibleDescription(words);
}

void ReelCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, SymbolArt::Instance().Picture(symbol_, size(), devicePixelRatioF()));
}

void ReelCell::mousePressEvent(QMouseEvent* event) { event->accept(); }
void ReelCell::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void ReelCell::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

LineStroke::LineStroke(QPoint from, QPoint to, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect span = QRect(from, to).normalized();
    setGeometry(span.adjusted(-1, -1, 1, 1));
    // As corners of the span, which the zoom scales with the window.
    fromRight_ = from.x() > to.x();
    fromBottom_ = from.y() > to.y();
}

void LineStroke::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QRectF span = QRectF(rect()).adjusted(1.5, 1.5, -0.5, -0.5);
    const QPointF from(fromRight_ ? span.right() : span.left(), fromBottom_ ? span.bottom() : span.top());
    const QPointF to(fromRight_ ? span.left() : span.right(), fromBottom_ ? span.top() : span.bottom());
    painter.drawLine(from, to);
}

}  // namespace kararion::ui
