#include "ui/reading/line_reader.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>
#include <algorithm>

#include "ui/controls/look.h"
#include "ui/controls/spoken.h"

namespace kararion::ui {

LineReader::LineReader(QWidget* window, const QString& name) : QPlainTextEdit(window) {
    NameControl(this, QStringLiteral("Reader"), name);
    setReadOnly(true);
    // A caret that the arrows move line by line; a screen reader follows it.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
}

void LineReader::SetLines(const QStringList& lines) {
    QStringList heard;
    for (const QString& line : lines) heard << ForEar(line);
    const QString text = heard.join(QLatin1Char('\n'));
    if (text == toPlainText()) return;
    const int line = textCursor().blockNumber();
    setPlainText(text);
    QTextCursor cursor(document()->findBlockByNumber(std::min(line, document()->blockCount() - 1)));
    setTextCursor(cursor);
}

namespace {

QString LabelText(QLayoutItem* item) {
    const auto* label = item != nullptr ? qobject_cast<const QLabel*>(item->widget()) : nullptr;
    return label != nullptr && label->isVisibleTo(label->window()) ? label->text() : QString();
}

void AddLines(const QLayout* layout, QStringList& lines) {
    if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList words;
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QString text = LabelText(grid->itemAtPosition(row, column));
                if (!text.isEmpty() && !words.contains(text)) words << text;
            }
            if (!words.isEmpty()) lines << words.join(QLatin1Char(' '));
        }
        return;
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->layout() != nullptr) {
            AddLines(item->layout(), lines);
        } else if (const QString text = LabelText(item); !text.isEmpty()) {
            lines << text;
        }
    }
}

}  // namespace

QStringList LineReader::LabelLines(const QWidget* window) {
    QStringList lines;
    if (window->layout() != nullptr) AddLines(window->layout(), lines);
    return lines;
}

void LineReader::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            if (!(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
                QPlainTextEdit::keyPressEvent(event);
                return;
            }
            break;
        default: break;
    }
    event->ignore();
}

QStringList LineReader::Lines() const { return toPlainText().split(QLatin1Char('\n')); }

}  // namespace kararion::ui
