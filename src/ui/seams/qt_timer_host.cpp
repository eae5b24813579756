#include "ui/seams/qt_timer_host.h"

namespace kararion::ui {

QTimer& QtTimerHost::Make(GameTimer& timer) {
    auto& slot = timers_[&timer];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        // The reels' rates (50, 40, 60 ms) and the 10 ms count-up are heard
        // and seen: coarse timers would let them drift by up to 5 %.
        slot->setTimerType(Qt::PreciseTimer);
        slot->setInterval(timer.Interval());
        QObject::connect(slot.get(), &QTimer::timeout, [this, &timer] {
            if (timer.Fire() && afterTick_) afterTick_();
        });
    }
    return *slot;
}

void QtTimerHost::TimerEnabledChanged(GameTimer& timer) {
    if (timer.Enabled()) {
        Make(timer).start();
    } else if (auto found = timers_.find(&timer); found != timers_.end()) {
        found->second->stop();
    }
}

const QTimer* QtTimerHost::TimerFor(const GameTimer& timer) const {
    auto found = timers_.find(&timer);
    return found == timers_.end() ? nullptr : found->second.get();
}

int QtTimerHost::RunningCount() const {
    int running = 0;
    for (const auto& [timer, qtimer] : timers_) running += qtimer->isActive() ? 1 : 0;
    return running;
}

}  // namespace kararion::ui
