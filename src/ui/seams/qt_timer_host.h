#pragma once
// The game timers on Qt's clock: one precise QTimer per game timer, running
// exactly while the game timer is enabled, so an idle game has no timer at all.
#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>

#include "core/timer.h"

namespace kararion::ui {

class QtTimerHost : public TimerHost {
public:
    QtTimerHost() = default;
    QtTimerHost(const QtTimerHost&) = delete;
    QtTimerHost& operator=(const QtTimerHost&) = delete;

    void TimerEnabledChanged(GameTimer& timer) override;

    // Runs after every tick, to redraw the windows from the new state.
    void SetAfterTick(std::function<void()> afterTick) { afterTick_ = std::move(afterTick); }

    // The QTimer behind a game timer, or nullptr if it never ran.
    const QTimer* TimerFor(const GameTimer& timer) const;
    int RunningCount() const;

private:
    QTimer& Make(GameTimer& timer);

    std::unordered_map<const GameTimer*, std::unique_ptr<QTimer>> timers_;
    std::function<void()> afterTick_;
};

}  // namespace kararion::ui
