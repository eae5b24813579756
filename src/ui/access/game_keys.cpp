#include "ui/access/game_keys.h"

#include <QKeyEvent>

#include "ui/controls/controls.h"
#include "ui/group/game_windows.h"
#include "ui/windows/data_window.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

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

GameKeys::GameKeys(GameWindows& windows) : windows_(windows) {
    QWidget* main = windows.mainWindow();
    for (QWidget* window :
         {main, static_cast<QWidget*>(windows.infoWindow()), static_cast<QWidget*>(windows.menuWindow())})
        window->installEventFilter(this);
    main->setAccessibleDescription(
        QStringLiteral("キー：Space または Enter で次の一手（ベット、スタート、停止）、D でデータ表示"));
    for (int reel = 1; reel <= 3; ++reel)
        NameKey(Button(main, qPrintable(QStringLiteral("Stop%1").arg(reel))), QString::number(reel));
    NameKey(Button(windows.infoWindow(), "BetUp"), QStringLiteral("↑ または +"));
    NameKey(Button(windows.infoWindow(), "BetDown"), QStringLiteral("↓ または -"));
}

bool GameKeys::Handle(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    CaptionLabel* button = nullptr;
    bool machine = false;
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter: machine = true; break;
        case Qt::Key_1: button = Button(windows_.mainWindow(), "Stop1"); break;
        case Qt::Key_2: button = Button(windows_.mainWindow(), "Stop2"); break;
        case Qt::Key_3: button = Button(windows_.mainWindow(), "Stop3"); break;
        case Qt::Key_Up:
        case Qt::Key_Plus: button = Button(windows_.infoWindow(), "BetUp"); break;
        case Qt::Key_Down:
        case Qt::Key_Minus: button = Button(windows_.infoWindow(), "BetDown"); break;
        case Qt::Key_D: break;
        default: return false;
    }
    // A held key is one press, as a held mouse button is one click.
    if (event->isAutoRepeat()) return true;
    if (event->key() == Qt::Key_D) {
        windows_.OpenDataWindow();
    } else if (machine) {
        windows_.mainWindow()->BackgroundClick();
    } else if (button != nullptr) {
        button->Press();
    }
    return true;
}

void GameKeys::Watch(QWidget* window) { window->installEventFilter(this); }

bool GameKeys::eventFilter(QObject* watched, QEvent* event) {
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
        if (Handle(key)) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kararion::ui
