#include "core/virtual_clock.h"

#include <algorithm>

namespace kararion {

void VirtualClock::TimerEnabledChanged(GameTimer& timer) {
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.timer == &timer; });
    if (timer.Enabled()) {
        if (found == entries_.end()) entries_.push_back({&timer, now_ + timer.Interval(), nextOrder_++});
    } else if (found != entries_.end()) {
        entries_.erase(found);
    }
}

std::size_t VirtualClock::NextDue() const {
    std::size_t best = kNone;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (best == kNone || e.due < entries_[best].due ||
            (e.due == entries_[best].due && e.order < entries_[best].order)) {
            best = i;
        }
    }
    return best;
}

void VirtualClock::Advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (;;) {
        std::size_t i = NextDue();
        if (i == kNone || entries_[i].due > target) break;
        GameTimer* timer = entries_[i].timer;
        now_ = std::max(now_, entries_[i].due);
        entries_[i].due += std::max(1, timer->Interval());
        timer->Fire();  // may enable, disable or advance; entries_ may change under us
    }
    now_ = std::max(now_, target);
}

bool VirtualClock::AdvanceUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    const std::int64_t limit = now_ + limitMs;
    if (done()) return true;
    while (now_ < limit) {
        std::int64_t step = NextDueIn();
        if (step < 0 || now_ + step > limit) {
            now_ = limit;
            return done();
        }
        Advance(step);
        if (done()) return true;
    }
    return done();
}

std::int64_t VirtualClock::NextDueIn() const {
    std::size_t i = NextDue();
    if (i == kNone) return -1;
    return std::max<std::int64_t>(0, entries_[i].due - now_);
}

}  // namespace kararion
