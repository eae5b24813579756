#include "ui/access/game_keys.h"

#include <QKeyEvent>

#include "ui/access/menu_focus.h"
#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/dialogs/data_window.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {
namespace {

CaptionLabel* Button(QWidget* window, const char* name) {
    return window->findChild<CaptionLabel*>(QString::fromLatin1(name));
}

// What a screen reader says about a keyed control: its key.
void NameKey(QWidget* control, const QString& keys) {
    if (control != nullptr) control->setAccessibleDescription(QStringLiteral("キー：") + keys);
}

}  // namespace

GameKeys::GameKeys(WindowHost& windows) : windows_(windows) {
    QWidget* main = windows.mainWindow();
    for (QWidget* window :
         {main, static_cast<QWidget*>(windows.infoWindow()), static_cast<QWidget*>(windows.menuWindow())})
        window->installEventFilter(this);
    // The menu's entries take Tab themselves otherwise, round and round their window.
    for (CaptionLabel* entry : windows.menuWindow()->findChildren<CaptionLabel*>()) {
        if (entry->focusPolicy() & Qt::TabFocus) entry->installEventFilter(this);
    }
    for (int reel = 1; reel <= 3; ++reel)
        NameKey(Button(main, qPrintable(QStringLiteral("Stop%1").arg(reel))), QString::number(reel));
    NameKey(Button(windows.infoWindow(), "BetUp"), QStringLiteral("↑ または +"));
    NameKey(Button(windows.infoWindow(), "BetDown"), QStringLiteral("↓ または -"));
}

bool GameKeys::ViewKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const int key = event->key();
    if (modifiers == Qt::ControlModifier) {
        // Ctrl+= is Ctrl++ on a keyboard whose + needs Shift.
        if (key == Qt::Key_Plus || key == Qt::Key_Equal) {
            windows_.StepZoom(+1);
        } else if (key == Qt::Key_Minus) {
            windows_.StepZoom(-1);
        } else if (key == Qt::Key_0) {
            windows_.SetZoom(kZoomSteps[0]);
        } else if (key == Qt::Key_Up || key == Qt::Key_Down) {
            windows_.StepVolume(key == Qt::Key_Up ? +1 : -1);
        } else {
            return false;
        }
        return true;
    }
    if (modifiers != Qt::NoModifier || (key != Qt::Key_M && key != Qt::Key_F1)) return false;
    if (Repeats(event)) return true;
    if (key == Qt::Key_M) {
        windows_.SetSoundOn(!windows_.SoundOn());
    } else {
        windows_.OpenHelpWindow();
    }
    return true;
}

CaptionLabel* GameKeys::MenuCommand(QKeyEvent* event) const {
    if ((event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != Qt::ControlModifier)
        return nullptr;
    switch (event->key()) {
        case Qt::Key_S: return Button(windows_.menuWindow(), "Save");
        case Qt::Key_O: return Button(windows_.menuWindow(), "Loading");
        case Qt::Key_Q: return Button(windows_.menuWindow(), "Ended");
        default: return nullptr;
    }
}

bool GameKeys::Handle(QKeyEvent* event) {
    if (ViewKey(event)) return true;
    if (CaptionLabel* entry = MenuCommand(event)) {
        if (!Repeats(event)) entry->Press();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    CaptionLabel* button = nullptr;
    bool machine = false;
    switch (event->key()) {
        case Qt::Key_Space: machine = true; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: button = Button(windows_.menuWindow(), "Start"); break;
        case Qt::Key_1: button = Button(windows_.mainWindow(), "Stop1"); break;
        case Qt::Key_2: button = Button(windows_.mainWindow(), "Stop2"); break;
        case Qt::Key_3: button = Button(windows_.mainWindow(), "Stop3"); break;
        case Qt::Key_Up:
        case Qt::Key_Plus: button = Button(windows_.infoWindow(), "BetUp"); break;
        case Qt::Key_Down:
        case Qt::Key_Minus: button = Button(windows_.infoWindow(), "BetDown"); break;
        case Qt::Key_D:
        case Qt::Key_S: break;
        default: return false;
    }
    if (Repeats(event)) return true;
    if (event->key() == Qt::Key_D) {
        windows_.OpenDataWindow();
    } else if (event->key() == Qt::Key_S) {
        windows_.SayState();
    } else if (machine) {
        windows_.mainWindow()->BackgroundClick();
    } else if (button != nullptr) {
        button->Press();
    }
    return true;
}

bool GameKeys::Repeats(QKeyEvent* press) {
    KeyState& key = keys_[press->key()];
    // A time of 0 is no time: events made up by a program (a test's) carry it.
    const bool sameTime = key.released && press->timestamp() != 0 && key.releasedAt == press->timestamp();
    const bool repeat = press->isAutoRepeat() || key.down || sameTime;
    key.down = true;
    key.released = false;
    return repeat;
}

void GameKeys::Released(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const auto found = keys_.find(event->key());
    if (found == keys_.end()) return;
    found->down = false;
    found->released = true;
    found->releasedAt = event->timestamp();
}

void GameKeys::Watch(QWidget* window) { window->installEventFilter(this); }

bool GameKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) Released(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::WindowDeactivate) Forget();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The data window stands apart from the game: Escape puts it away and
        // hands the keyboard back to the machine.
        QWidget* data = windows_.dataWindow();
        if (data != nullptr && watched == data && key->key() == Qt::Key_Escape) {
            data->hide();
            windows_.mainWindow()->activateWindow();
            return true;
        }
        if (MoveMenuFrame(windows_, watched, key)) return true;
        // A menu entry hears the rest itself (Space and Enter when framed),
        // then its window does.
        if (qobject_cast<CaptionLabel*>(watched) != nullptr) return false;
        if (Handle(key)) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kararion::ui
