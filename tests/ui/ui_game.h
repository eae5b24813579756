#pragma once
// The real windows around a game on a virtual clock with recording effects,
// and the gestures a player makes on them.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>
#include <functional>

#include "core/virtual_clock.h"
#include "support/harness.h"
#include "ui/group/game_windows.h"
#include "ui/windows/info_window.h"
#include "ui/windows/main_window.h"
#include "ui/windows/menu_window.h"

namespace kararion {

// For QtTest's messages: found by argument-dependent lookup.
inline char* toString(Colour colour) { return qstrdup(testing::ColourName(colour).c_str()); }

}  // namespace kararion

namespace kararion::ui {

// Saving and loading as a player would: the name typed, then the dialog's button.
using testing::LoadFrom;
using testing::SaveAs;

// The game's seven timers: the three reels, the lamp chase, the bet lamps'
// flash, the count-up and the win sound.
inline std::array<const GameTimer*, 7> AllTimers(const Game& g) {
    return {&g.reels().ReelTimer(1),     &g.reels().ReelTimer(2),    &g.reels().ReelTimer(3),
            &g.reelLamps().ChaseTimer(), &g.betLamps().FlashTimer(), &g.judge().CountUpTimer(),
            &g.judge().WinSoundTimer()};
}

struct UiGame {
    RecordingEffects fx;
    VirtualClock clock;
    Game game{fx, clock, "."};
    GameWindows windows{game};
    int ends = 0;

    explicit UiGame(bool start = true) {
        windows.SetOnEnd([this] { ++ends; });
        if (start) {
            windows.Start();
            QCoreApplication::processEvents();
        }
    }
    Game& g() { return game; }
    // The set-up door, for states no quick player could reach; draw afterwards.
    machine::GameSetup Setup() { return machine::GameSetup(game); }
    QWidget* main() { return windows.mainWindow(); }
    QWidget* info() { return windows.infoWindow(); }
    QWidget* menu() { return windows.menuWindow(); }

    // Lets simulated time pass and draws the result, as the Qt clock would.
    void Advance(std::int64_t ms) {
        clock.Advance(ms);
        windows.RefreshAll();
    }
};

template <typename T = QWidget>
T* Control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) qWarning("no control %s in %s", name, qPrintable(window->objectName()));
    return found;
}

// The point of `target` (its centre by default) in its window's coordinates.
inline QPoint InWindow(QWidget* target, QPoint local = QPoint(-1, -1)) {
    if (local == QPoint(-1, -1)) local = target->rect().center();
    return target->mapTo(target->window(), local);
}

// Through the window, as the window system delivers it: whatever control lies
// under the pointer gets the event.
inline void ClickAt(QWidget* window, QPoint pos) {
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
}
inline void Click(QWidget* target) { ClickAt(target->window(), InWindow(target)); }
inline void MoveTo(QWidget* window, QPoint pos) { QTest::mouseMove(window->windowHandle(), pos); }
inline void Hover(QWidget* target) { MoveTo(target->window(), InWindow(target)); }

// Runs `inside` once the next modal window is up (a modal exec blocks the
// test), then closes whatever modal window is still open.
inline void WhenModal(const std::function<void(QWidget*)>& inside) {
    QTimer::singleShot(0, [inside] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            QTest::qWait(50);
            modal = QApplication::activeModalWidget();
        }
        if (modal != nullptr) inside(modal);
        if (QWidget* still = QApplication::activeModalWidget()) still->close();
    });
}

}  // namespace kararion::ui
