#include "ui/windows/side_window.h"

#include <QCloseEvent>

#include "core/game.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/group/game_windows.h"

namespace kararion::ui {

SideWindow::SideWindow(GameWindows& windows, QWidget* owner, void (*hoverBackground)(Game&))
    : QWidget(owner), windows_(windows), hoverBackground_(hoverBackground) {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DefaultFont());
    setMouseTracking(true);
}

void SideWindow::ShowButton(CaptionLabel* button, const Caption& state) {
    if (button->isEnabled() != state.enabled) button->setEnabled(state.enabled);
    button->SetColour(state.foreColor);
}

void SideWindow::mouseMoveEvent(QMouseEvent*) { windows_.Act(hoverBackground_); }

void SideWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    windows_.SideWindowMoved();
}

void SideWindow::closeEvent(QCloseEvent* event) {
    // Its own close box does nothing: the window lives as long as the game.
    // A close that does not come from the player (the application or the
    // session quitting) ends the whole program, as closing the main window does.
    if (event->spontaneous() && !windows_.Ended()) {
        event->ignore();
        return;
    }
    event->accept();
    windows_.EndProgram();
}

}  // namespace kararion::ui
