#pragma once
// What a screen reader gets from the game over the accessibility bus: the
// words a player hears for each control (its system name stays the
// objectName), the roles and press actions of the captions that act as
// buttons, the decorative shapes left out, and a spoken line for each
// game's outcome.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>

namespace kararion::ui {

// Installs the game's accessible interfaces; once per program, before the
// first window is built.
void InstallAccessibility();

// Shapes that only decorate: a screen reader has nothing to say about them.
bool IsDecorative(const QWidget* widget);

// One notification on the bus: shown, a screen reader speaks its name.
// Draws nothing.
class Notice : public QWidget {
public:
    explicit Notice(QWidget* parent);
};

// A status line for the ear: the lines said while its parent (a game window,
// or a control such as a button or a framed menu entry) has the keyboard,
// newest last, as a read-only text. Each new line is inserted at the end and
// stays selected, and a screen reader reads text inserted and selected under
// the focus as it is, without first naming what holds it (a notification
// costs its role's name before every line). Draws nothing.
class StatusLine : public QWidget {
public:
    explicit StatusLine(QWidget* parent);
    void Append(const QString& line);
    const QString& Text() const { return text_; }
    // Where the newest line starts; it runs to the end of the text.
    int NewestAt() const { return newestAt_; }

private:
    QString text_;
    int newestAt_ = 0;
    int lines_ = 0;
};

// Tells the accessibility bus what a player should hear now. What is said
// during one action is gathered and spoken as one line when Flush() comes,
// the urgent first. The line goes to the status line of what has the
// keyboard: a game window itself, or the control in it that has the focus (a
// button, a framed menu entry, a text, a list, whose line stands under its
// current item). Where nothing has the keyboard the line is shown as a
// notification instead: a screen reader reads a notification's text only when
// it gets to it, so two texts on one notification lose the first. For the
// same reason the notifications take turns, each keeping its words until
// its next turn.
class Announcer {
public:
    // `windows` are the game windows, each given a status line.
    Announcer(QWidget* parent, const QList<QWidget*>& windows);
    void Say(const QString& words, bool urgent = false);
    void Flush();
    QString lastWords() const { return last_; }

private:
    // The status line under what has the keyboard, made the first time; null
    // where a notification is heard instead.
    StatusLine* FocusedLine();

    static constexpr std::size_t kNotices = 8;
    std::array<Notice*, kNotices> notices_{};
    std::size_t next_ = 0;
    QList<StatusLine*> lines_;
    QStringList urgent_;
    QStringList pending_;
    QString last_;
};

}  // namespace kararion::ui
