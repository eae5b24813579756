#include "core/counters.h"

#include <charconv>

#include "core/tuning.h"

namespace kararion {

Counters::Counters() { StartAfresh(); }

SavedCounts Counters::Saved() const {
    return {.coin = coin_, .run = run_, .lost = lost_, .win = win_, .usedCoin = usedCoin_, .winCoin = winCoin_};
}

bool Counters::RoomForGame(Count largestPayout) const {
    const Count payRoom = kLargestCount - largestPayout;
    return run_ < kLargestCount && win_ < kLargestCount && lost_ < kLargestCount && coin_ <= payRoom &&
           winCoin_ <= payRoom;
}

void Counters::StakeCoin() {
    ++bet_;
    --coin_;
    ++usedCoin_;
}

void Counters::TakeBackCoin() {
    --bet_;
    ++coin_;
    --usedCoin_;
}

void Counters::PayCoins(Count coins) {
    coin_ += coins;
    winCoin_ += coins;
}

void Counters::Replace(const SavedCounts& saved) {
    coin_ = saved.coin;
    run_ = saved.run;
    lost_ = saved.lost;
    win_ = saved.win;
    usedCoin_ = saved.usedCoin;
    winCoin_ = saved.winCoin;
}

void Counters::StartAfresh() {
    bet_ = 0;
    Replace(SavedCounts{.coin = tuning::kStartCoins});
}

std::string CounterText(Count value) { return std::to_string(value); }

std::optional<Count> ParseCount(std::string_view digits) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    Count value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

}  // namespace kararion
