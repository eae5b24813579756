#pragma once
// The seven counters: whole numbers of coins and games, changed only by
// operations that say what they mean. They become text only at the edges
// (the information window's fields, the save file).
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace kararion {

namespace machine {
class GameSetup;
}

using Count = std::int64_t;
inline constexpr Count kLargestCount = std::numeric_limits<Count>::max();

// The six counters a save file keeps, in the order of the file.
struct SavedCounts {
    Count coin = 0;
    Count run = 0;
    Count lost = 0;
    Count win = 0;
    Count usedCoin = 0;
    Count winCoin = 0;
    bool operator==(const SavedCounts&) const = default;
};

class Counters {
public:
    // As the program starts: the start coins in hand, all else 0.
    Counters();

    Count Bet() const { return bet_; }  // coins staked on the coming game, 0..3
    Count Run() const { return run_; }  // games started, replays included
    Count Lost() const { return lost_; }
    Count Win() const { return win_; }
    Count Coin() const { return coin_; }          // coins in hand
    Count UsedCoin() const { return usedCoin_; }  // coins staked in all
    Count WinCoin() const { return winCoin_; }    // coins paid out in all
    SavedCounts Saved() const;

    // No coins in hand and none staked: the game can go no further.
    bool OutOfCoins() const { return coin_ <= 0 && bet_ <= 0; }
    // Whether one more coin can be staked without a counter passing its largest value.
    bool RoomToStake() const { return usedCoin_ < kLargestCount && bet_ < kLargestCount; }
    // Whether a game and the largest payout fit without a counter passing its largest value.
    bool RoomForGame(Count largestPayout) const;

    // One coin from the hand onto the stake, and into the coins staked.
    void StakeCoin();
    // One coin from the stake back into the hand.
    void TakeBackCoin();
    // The game is over: what was staked is spent.
    void ClearStake() { bet_ = 0; }
    void CountGame() { ++run_; }
    void CountWin() { ++win_; }
    void CountLoss() { ++lost_; }
    // Coins of a payout into the hand and into the coins paid out.
    void PayCoins(Count coins);
    // A load: the six saved counters replaced, the stake left as it is.
    void Replace(const SavedCounts& saved);
    // A fresh start: the start coins, every other counter 0, nothing staked.
    void StartAfresh();

private:
    friend class machine::GameSetup;

    Count bet_ = 0;
    Count run_ = 0;
    Count lost_ = 0;
    Count win_ = 0;
    Count coin_ = 0;
    Count usedCoin_ = 0;
    Count winCoin_ = 0;
};

// A counter as the player reads it: "97", "0".
std::string CounterText(Count value);
// Decimal digits back to a count, leading zeros allowed ("007" is 7); nothing
// for an empty text, anything but digits, or a value beyond 64 bits.
std::optional<Count> ParseCount(std::string_view digits);

}  // namespace kararion
