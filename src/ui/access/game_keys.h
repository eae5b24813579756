#pragma once
// The keys of the game, the same in the main, information and menu windows,
// as the key table (ui/windows/key_table.h) has them: each one that presses a
// control acts as a click on it, through that control, so a control that
// takes no click takes no key either. The data window, when open, hears the
// same keys, and Escape closes it.
#include <QHash>
#include <QObject>
#include <optional>

#include "machine/orders.h"

class QKeyEvent;
class QWidget;

namespace kararion::ui {

class WindowHost;
class CaptionLabel;
struct KeyRow;

class GameKeys : public QObject {
public:
    // Watches the three game windows and tells each keyed control its key.
    explicit GameKeys(WindowHost& windows);

    // The data window hears the game's keys too, once it exists.
    void Watch(QWidget* window);

    // Acts on `event` if it is one of the game's keys; true when it was.
    bool Handle(QKeyEvent* event);
    // Hears a key let go, to tell a held key from a new press.
    void Released(QKeyEvent* event);
    // Keys let go elsewhere are never heard: a window that loses the keyboard forgets them.
    void Forget() { keys_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A held key is one press, as a held mouse button is one click. Under X
    // a held key repeats as a release and a press with one timestamp, which
    // Qt marks as a repeat only when both are queued together; a busy game
    // sees them apart. A real press, however fast, comes at another time.
    struct KeyState {
        bool down = false;
        bool released = false;
        unsigned long releasedAt = 0;
    };
    bool Repeats(QKeyEvent* press);
    // The key as it sits on the keyboard: keypad 2 pressed with Num Lock on
    // and let go with it off is one key (2, then Down); events without a
    // scan code (a program's) go by the key they name.
    static quint32 PhysicalKey(const QKeyEvent* event);
    // The control a row's key presses, or nullptr.
    CaptionLabel* Control(const KeyRow& row) const;
    // The rules' command a keyed control stands for, when it is one.
    static std::optional<machine::Order> GameOrder(const KeyRow& row);
    // The machine's right-click menu, as Shift+F10 and the Menu key open it.
    void OpenContextMenu();

    WindowHost& windows_;
    QHash<quint32, KeyState> keys_;  // by PhysicalKey
};

}  // namespace kararion::ui
