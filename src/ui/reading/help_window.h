#pragma once
// How to play, inside the game: every key, the payout table with the symbols'
// own pictures and names, the lines each stake opens and the click cycle. All
// of it is also there for a screen reader, line by line; the pictures only add to the names.
#include <QWidget>

class QTextBrowser;

namespace kararion::ui {
class LineReader;
}

namespace kararion::ui {

class HelpWindow : public QWidget {
public:
    HelpWindow();

    // Writes the text again, its pictures drawn at the zoom of the moment.
    void Rebuild();
    // What the window shows: the whole text.
    QString Text() const;
    // What a screen reader reads, line by line with the arrows: the same help in kana.
    static QStringList SpokenLines();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* text_ = nullptr;
    LineReader* reader_ = nullptr;
};

}  // namespace kararion::ui
