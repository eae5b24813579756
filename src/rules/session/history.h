#pragma once
// A session's record: the coins won or lost (差枚数) after each ended game,
// and what the session staked and was paid. A session starts with the program
// and afresh whenever a load replaces the counters.
#include <cstdint>
#include <optional>
#include <vector>

namespace kararion::session {

// The counters the record reads, as numbers.
struct Purse {
    double coin = 0;      // Coin
    double usedCoin = 0;  // UsedCoin: staked in total
    double winCoin = 0;   // WinCoin: paid in total
};

class History {
public:
    // The counters as they stand become the session's base; the games so far are forgotten.
    void Start(const Purse& now);
    void GameEnded(const Purse& now, bool won);

    // 差枚数 after each game of the session: Coin then minus Coin at the start.
    const std::vector<double>& Differences() const { return differences_; }
    int Games() const { return static_cast<int>(differences_.size()); }
    int Wins() const { return wins_; }
    // Staked and paid in the session's ended games.
    double Staked() const { return staked_; }
    double Paid() const { return paid_; }
    // Paid for each coin staked; nothing before a coin was staked.
    std::optional<double> Return() const;
    // The games (counted from 1) with the highest and the lowest 差枚数, the
    // first of equals; 0 before the first game.
    int HighestGame() const;
    int LowestGame() const;
    // Changes with every start and every ended game, so a reader can tell it has news.
    std::uint64_t Revision() const { return revision_; }

private:
    Purse base_;
    std::vector<double> differences_;
    int wins_ = 0;
    double staked_ = 0;
    double paid_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace kararion::session
