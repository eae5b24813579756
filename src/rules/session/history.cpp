#include "session/history.h"

#include <algorithm>

namespace kararion::session {

void History::Start(const Purse& now) {
    base_ = now;
    differences_.clear();
    wins_ = 0;
    staked_ = 0;
    paid_ = 0;
    ++revision_;
}

void History::GameEnded(const Purse& now, bool won) {
    differences_.push_back(now.coin - base_.coin);
    if (won) ++wins_;
    // A bet raised for the coming game is not staked in an ended one; the
    // counters at the end of each game are what the session has seen.
    staked_ = now.usedCoin - base_.usedCoin;
    paid_ = now.winCoin - base_.winCoin;
    ++revision_;
}

std::optional<double> History::Return() const {
    if (staked_ <= 0) return std::nullopt;
    return paid_ / staked_;
}

int History::HighestGame() const {
    if (differences_.empty()) return 0;
    return static_cast<int>(std::max_element(differences_.begin(), differences_.end()) - differences_.begin()) + 1;
}

int History::LowestGame() const {
    if (differences_.empty()) return 0;
    return static_cast<int>(std::min_element(differences_.begin(), differences_.end()) - differences_.begin()) + 1;
}

}  // namespace kararion::session
