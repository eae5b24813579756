#pragma once
// Simulated milliseconds for the rules: enabled timers fall due every interval
// after they were switched on, and Advance() fires the due ticks in time order.
// A whole game takes microseconds and never depends on the machine's load.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/timer.h"

namespace kararion {

class VirtualClock : public TimerHost {
public:
    void TimerEnabledChanged(GameTimer& timer) override;

    std::int64_t Now() const { return now_; }

    // Moves time on by `ms`, firing every tick that falls due on the way. May be
    // called from inside a tick (a message box that stays open for a while).
    void Advance(std::int64_t ms);

    // Advances until `done` holds after a tick, or `limitMs` have passed.
    // Returns whether `done` held.
    bool AdvanceUntil(const std::function<bool()>& done, std::int64_t limitMs);

    // Milliseconds until the next tick of any enabled timer, or -1 if none runs.
    std::int64_t NextDueIn() const;

private:
    struct Entry {
        GameTimer* timer;
        std::int64_t due;
        std::uint64_t order;  // ties fire in the order the timers were switched on
    };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t NextDue() const;  // index into entries_, or kNone

    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace kararion
