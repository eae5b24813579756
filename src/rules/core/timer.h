#pragma once
// A game timer belongs to the rules: it has an interval, an enabled flag and a
// tick. Who makes the ticks arrive is the host's business: the windows drive
// them from QTimers, the tests from a virtual clock.
#include <cstdint>
#include <functional>
#include <string>

namespace kararion {

class GameTimer;

class TimerHost {
public:
    virtual ~TimerHost() = default;
    // Called whenever a timer's enabled flag actually changes.
    virtual void TimerEnabledChanged(GameTimer& timer) = 0;
};

class GameTimer {
public:
    GameTimer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
    GameTimer(const GameTimer&) = delete;
    GameTimer& operator=(const GameTimer&) = delete;

    const std::string& Name() const { return name_; }
    int Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }

    // Switching an enabled timer on again changes nothing: its ticks keep their rhythm.
    void SetEnabled(bool on);

    void SetTick(std::function<void()> tick) { tick_ = std::move(tick); }
    void SetHost(TimerHost* host) { host_ = host; }

    // Runs one tick. A tick that falls due while this timer's previous tick is
    // still running (a message box opened from it runs a nested event loop) is
    // dropped, so one failure gives one message. Returns whether it ran.
    bool Fire();
    std::int64_t TicksRun() const { return ticksRun_; }

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    bool inTick_ = false;
    std::int64_t ticksRun_ = 0;
    std::function<void()> tick_;
    TimerHost* host_ = nullptr;
};

}  // namespace kararion
