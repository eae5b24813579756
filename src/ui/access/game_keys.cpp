#include "ui/access/game_keys.h"

#include <QKeyEvent>
#include <QMenu>
#include <optional>

#include "ui/access/menu_focus.h"

#include "ui/controls/controls.h"
#include "ui/controls/look.h"
#include "ui/reading/data_window.h"
#include "ui/windows/info_window.h"
#include "ui/windows/key_table.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"
#include "ui/windows/window_host.h"

namespace kararion::ui {

GameKeys::GameKeys(WindowHost& windows) : windows_(windows) {
    for (QWidget* window : {static_cast<QWidget*>(windows.mainWindow()), static_cast<QWidget*>(windows.infoWindow()),
                            static_cast<QWidget*>(windows.menuWindow())})
        window->installEventFilter(this);
    // The menu's entries take Tab themselves otherwise, round and round their window.
    for (CaptionLabel* entry : windows.menuWindow()->findChildren<CaptionLabel*>()) {
        if (entry->focusPolicy() & Qt::TabFocus) entry->installEventFilter(this);
    }
    // What a screen reader says about a keyed control: its key.
    for (const KeyRow& row : KeyTable()) {
        if (CaptionLabel* control = Control(row)) control->setAccessibleDescription(KeyDescription(row));
    }
}

CaptionLabel* GameKeys::Control(const KeyRow& row) const {
    if (row.does != KeyDoes::Click) return nullptr;
    switch (row.control) {
        case KeyControl::Start: return windows_.menuWindow()->EntryLabel(menu::Entry::Start);
        case KeyControl::Save: return windows_.menuWindow()->EntryLabel(menu::Entry::Save);
        case KeyControl::Loading: return windows_.menuWindow()->EntryLabel(menu::Entry::Loading);
        case KeyControl::Ended: return windows_.menuWindow()->EntryLabel(menu::Entry::Ended);
        case KeyControl::Stop1: return windows_.mainWindow()->StopButton(1);
        case KeyControl::Stop2: return windows_.mainWindow()->StopButton(2);
        case KeyControl::Stop3: return windows_.mainWindow()->StopButton(3);
        case KeyControl::BetUp: return windows_.infoWindow()->BetUpButton();
        case KeyControl::BetDown: return windows_.infoWindow()->BetDownButton();
        case KeyControl::None: return nullptr;
    }
    return nullptr;
}

std::optional<machine::Order> GameKeys::GameOrder(const KeyRow& row) {
    using Kind = machine::Order::Kind;
    switch (row.control) {
        case KeyControl::Start: return machine::Order{.kind = Kind::ClickStart};
        case KeyControl::BetUp: return machine::Order{.kind = Kind::ClickBetUp};
        case KeyControl::BetDown: return machine::Order{.kind = Kind::ClickBetDown};
        case KeyControl::Stop1: return machine::Order::Stop(1);
        case KeyControl::Stop2: return machine::Order::Stop(2);
        case KeyControl::Stop3: return machine::Order::Stop(3);
        default: return std::nullopt;  // the menu's window commands are the windows' own
    }
}

bool GameKeys::Handle(QKeyEvent* event) {
    const KeyRow* row = FindKey(event->key(), event->modifiers() & ~Qt::KeypadModifier);
    if (row == nullptr || row->does == KeyDoes::None) return false;
    if (Repeats(event) && !row->repeats) return true;
    switch (row->does) {
        case KeyDoes::Click:
            if (CaptionLabel* control = Control(*row)) {
                if (control->isEnabled()) {
                    control->Press();
                } else if (const std::optional<machine::Order> order = GameOrder(*row)) {
                    // A greyed control takes no click, but a key deserves an
                    // answer: the rules refuse the command and say why.
                    windows_.Send(*order);
                }
            }
            break;
        case KeyDoes::Machine: windows_.mainWindow()->BackgroundClick(); break;
        case KeyDoes::DataWindow: windows_.OpenDataWindow(); break;
        case KeyDoes::SayState: windows_.SayState(); break;
        case KeyDoes::Sound: windows_.SetSoundOn(!windows_.SoundOn()); break;
        case KeyDoes::VolumeUp: windows_.StepVolume(+1); break;
        case KeyDoes::VolumeDown: windows_.StepVolume(-1); break;
        case KeyDoes::Help: windows_.OpenHelpWindow(); break;
        case KeyDoes::ZoomIn: windows_.StepZoom(+1); break;
        case KeyDoes::ZoomOut: windows_.StepZoom(-1); break;
        case KeyDoes::ZoomReset: windows_.SetZoom(kZoomSteps[0]); break;
        case KeyDoes::ContextMenu: OpenContextMenu(); break;
        case KeyDoes::StartAfresh: windows_.Send({.kind = machine::Order::Kind::StartAfresh}); break;
        case KeyDoes::None: break;
    }
    return true;
}

void GameKeys::OpenContextMenu() {
    // The machine's right-click entries, in the middle of the machine, with
    // the first entry under the keys so that a screen reader names it.
    QWidget* main = windows_.mainWindow();
    auto* menu = new QMenu(main);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(main->actions());
    if (menu->actions().isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(main->mapToGlobal(main->rect().center()));
    menu->setActiveAction(menu->actions().first());
}

bool GameKeys::Repeats(QKeyEvent* press) {
    KeyState& key = keys_[PhysicalKey(press)];
    // A time of 0 is no time: events made up by a program (a test's) carry it.
    const bool sameTime = key.released && press->timestamp() != 0 && key.releasedAt == press->timestamp();
    const bool repeat = press->isAutoRepeat() || key.down || sameTime;
    key.down = true;
    key.released = false;
    return repeat;
}

quint32 GameKeys::PhysicalKey(const QKeyEvent* event) {
    // Scan codes and key codes kept apart by the top bit.
    constexpr quint32 kScanCode = 1U << 31;
    if (event->nativeScanCode() != 0) return kScanCode | event->nativeScanCode();
    return static_cast<quint32>(event->key()) & ~kScanCode;
}

void GameKeys::Released(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const auto found = keys_.find(PhysicalKey(event));
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
