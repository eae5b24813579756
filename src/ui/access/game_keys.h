#pragma once
// The keys of the game, the same in the main, information and menu windows:
// each one acts as a click on its control, through that control, so a
// control that takes no click takes no key either.
//   Space              a click on the machine (the next step of the cycle)
//   Enter              the menu's "スタート" (a control framed by Tab takes it first)
//   1, 2, 3            "■" of reel 1, 2, 3 (top row or keypad)
//   Up, +              "↑"
//   Down, -            "↓"
//   D                  opens (or raises) the data window; no click
//   S                  says the whole state: coins, stake, games, the nine symbols
//   Ctrl+S, O, Q       the menu's "セーブ", "ロード", "終了"
// and the player's own view: M sound on or off, Ctrl+Up and Ctrl+Down the
// volume, F1 the help, Ctrl++ (Ctrl+=), Ctrl+- and Ctrl+0 the zoom.
// The data window, when open, hears the same keys, and Escape closes it.
#include <QHash>
#include <QObject>

class QKeyEvent;
class QWidget;

namespace kararion::ui {

class WindowHost;
class CaptionLabel;

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
    // The keys of the view and the sound: true when `event` was one.
    bool ViewKey(QKeyEvent* event);
    // The menu entry a command key presses, or nullptr.
    CaptionLabel* MenuCommand(QKeyEvent* event) const;

    WindowHost& windows_;
    QHash<int, KeyState> keys_;
};

}  // namespace kararion::ui
