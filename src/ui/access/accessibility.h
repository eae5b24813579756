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

// Tells the accessibility bus what a player should hear now. What is said
// during one action is gathered and spoken as one line when Flush() comes,
// the urgent first: a screen reader reads a notification's text only when it
// gets to it, so two texts on one notification lose the first. For the same
// reason the notifications take turns, each keeping its words until its next turn.
class Announcer {
public:
    explicit Announcer(QWidget* parent);
    void Say(const QString& words, bool urgent = false);
    void Flush();
    QString lastWords() const { return last_; }

private:
    static constexpr std::size_t kNotices = 8;
    std::array<Notice*, kNotices> notices_{};
    std::size_t next_ = 0;
    QStringList urgent_;
    QStringList pending_;
    QString last_;
};

}  // namespace kararion::ui
