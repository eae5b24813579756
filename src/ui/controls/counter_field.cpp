#include "ui/controls/counter_field.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/controls/look.h"

namespace kararion::ui {
namespace {

// A line edit keeps this much clear on either side of its text.
constexpr int kLineEditPadding = 2;
// Digits stay easy to read down to this height (logical pixels at 100%, 6 points)...
constexpr int kSmallestPixels = 8;
// Narrower digits, in percent of their width, still read as the same face.
constexpr int kNarrower = 85;
constexpr int kNarrowest = 75;

// The tallest digits that fit, a little narrower before a size smaller; the
// narrowest only at the smallest size. A count too long for any of them keeps
// the smallest and narrowest.
QFont FittedFont(QFont font, const QString& text, int room) {
    auto fits = [&](int pixels, int stretch) {
        font.setPixelSize(pixels);
        font.setStretch(stretch);
        return QFontMetricsF(font).horizontalAdvance(text) <= room;
    };
    const int smallest = Zoomed(kSmallestPixels);
    for (int pixels = font.pixelSize(); pixels > smallest; --pixels) {
        if (fits(pixels, QFont::Unstretched) || fits(pixels, kNarrower)) return font;
    }
    for (int stretch : {static_cast<int>(QFont::Unstretched), kNarrower, kNarrowest}) {
        if (fits(smallest, stretch)) return font;
    }
    return font;
}

}  // namespace

CounterField::CounterField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);  // locked: only the game writes a counter
    setAlignment(Qt::AlignCenter);
}

void CounterField::SetCount(const QString& text) {
    if (this->text() == text) return;
    setText(text);
    Fit();
}

void CounterField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    // A new zoom: the window's font and the room both changed. The first
    // showing changes neither.
    if (fittedWidth_ != 0 && fittedWidth_ != width()) Fit();
}

int CounterField::TextRoom() const {
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditPadding;
}

void CounterField::Fit() {
    // The window's font, at whatever zoom it is now.
    const QFont fitted = FittedFont(parentWidget()->font(), text(), TextRoom());
    if (font() != fitted) setFont(fitted);
    fittedWidth_ = width();
    // From the first digit, not scrolled to the end as typing would leave it.
    setCursorPosition(0);
}

}  // namespace kararion::ui
