#pragma once
// How to play, inside the game: every key, the payout table with the symbols'
// own pictures and names, the lines each stake opens and the click cycle. All
// of it is text a screen reader reads; the pictures only add to the names.
#include <QWidget>

class QTextBrowser;

namespace kararion::ui {

class HelpWindow : public QWidget {
public:
    HelpWindow();

    // Writes the text again, its pictures drawn at the zoom of the moment.
    void Rebuild();
    // What a screen reader reads: the whole text.
    QString Text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* text_ = nullptr;
};

}  // namespace kararion::ui
