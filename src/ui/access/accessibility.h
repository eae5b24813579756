#pragma once
// What a screen reader gets from the game over the accessibility bus: the
// words a player hears for each control (its system name stays the
// objectName), the roles and press actions of the captions that act as
// buttons, the decorative shapes left out, and a spoken line for each
// game's outcome.
#include <QString>
#include <QWidget>

namespace kararion::ui {

// Installs the game's accessible interfaces; once per program, before the
// first window is built.
void InstallAccessibility();

// Shapes that only decorate: a screen reader has nothing to say about them.
bool IsDecorative(const QWidget* widget);

// Tells the accessibility bus a line a player should hear now, as a
// notification that a screen reader speaks at once. Draws nothing.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);
    void Say(const QString& words);
    QString lastWords() const { return accessibleName(); }
};

}  // namespace kararion::ui
