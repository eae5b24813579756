#include "ui/windows/side_window.h"

#include <QCloseEvent>

#include "machine/game.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {

SideWindow::SideWindow(WindowHost& windows, QWidget* owner, machine::Order::Kind hoverBackground)
    : QWidget(owner), windows_(windows), hoverBackground_(hoverBackground) {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DefaultFont());
    setMouseTracking(true);
}

void SideWindow::ShowButton(CaptionLabel* button, const Caption& state) {
    if (button->isEnabled() != state.enabled) button->setEnabled(state.enabled);
    button->SetColour(state.foreColor);
}

void SideWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // Coming back, the window would hand the focus to the control that last
    // had it, framed or not; a screen reader would name it while Enter went
    // to the machine. Unless Tab framed it, the window keeps the focus itself.
    const auto* entry = qobject_cast<const CaptionLabel*>(focusWidget());
    if (entry == nullptr || !entry->TabbedTo()) setFocus(Qt::ActiveWindowFocusReason);
}

void SideWindow::mouseMoveEvent(QMouseEvent*) { windows_.Send({.kind = hoverBackground_}); }

// Beyond the rules, which reset the colours only over the bare background: a
// pointer that leaves straight from a caption would leave it red.
void SideWindow::leaveEvent(QEvent*) { windows_.Send({.kind = hoverBackground_}); }

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
