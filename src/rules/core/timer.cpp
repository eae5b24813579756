#include "core/timer.h"

namespace kararion {

void GameTimer::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    if (host_ != nullptr) host_->TimerEnabledChanged(*this);
}

bool GameTimer::Fire() {
    if (inTick_ || !enabled_ || !tick_) return false;
    inTick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inTick_};
    ++ticksRun_;
    tick_();
    return true;
}

}  // namespace kararion
