#pragma once
// A window's text for a screen reader, a line at a time: a read-only text
// with a caret that the arrow keys move, so that a screen reader says each
// line as the caret comes to it. It takes the keyboard of its window and
// draws nothing the eye needs (a dot in the corner): the window shows the
// same facts in its own way.
#include <QPlainTextEdit>

namespace kararion::ui {

class LineReader : public QPlainTextEdit {
    Q_OBJECT

public:
    // `name` is what a screen reader calls it.
    LineReader(QWidget* window, const QString& name);
    // The lines, in kana where a kanji would be lost; the caret stays on its line.
    void SetLines(const QStringList& lines);
    QStringList Lines() const;
    // The texts of `window`'s labels as its layouts show them: a grid's row
    // makes one line, a label alone another.
    static QStringList LabelLines(const QWidget* window);

protected:
    // The arrows, Page Up/Down, Home and End move the caret; every other key
    // goes on to the window, whose keys stay what they are.
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kararion::ui
