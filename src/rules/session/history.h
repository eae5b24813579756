#pragma once
// A session's record: the coins won or lost (差枚数) after each ended game,
// and what the session staked and was paid. A session starts with the program
// and afresh whenever a load replaces the counters.
//
// The games are kept as a bounded number of spans in game order, each with its
// lowest, highest and last 差枚数: enough to draw the session at any width
// with every extreme in it, at the same cost after a million games as after a
// hundred.
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

// 差枚数 after one game, counted from 1.
struct GamePoint {
    int game = 0;
    double coins = 0;
};

// Consecutive games, first to last.
struct GameSpan {
    int first = 0;
    int last = 0;
    GamePoint lowest;   // the first of equals
    GamePoint highest;  // the first of equals
    GamePoint end;      // after the span's last game
};

class History {
public:
    // Spans kept at most; when they are all full, neighbours merge in pairs.
    static constexpr std::size_t kMaxSpans = 1024;

    // The counters as they stand become the session's base; the games so far are forgotten.
    void Start(const Purse& now);
    void GameEnded(const Purse& now, bool won);

    int Games() const { return games_; }
    int Wins() const { return wins_; }
    // The session in game order, every game in exactly one span.
    const std::vector<GameSpan>& Spans() const { return spans_; }
    // 差枚数 after the last game; 0 before the first.
    double Last() const { return last_; }
    // The highest and the lowest 差枚数 so far, the first of equals; game 0 before the first game.
    GamePoint Highest() const { return highest_; }
    GamePoint Lowest() const { return lowest_; }
    int HighestGame() const { return highest_.game; }
    int LowestGame() const { return lowest_.game; }
    // Staked and paid in the session's ended games.
    double Staked() const { return staked_; }
    double Paid() const { return paid_; }
    // Paid for each coin staked; nothing before a coin was staked.
    std::optional<double> Return() const;
    // Changes with every start and every ended game, so a reader can tell it has news.
    std::uint64_t Revision() const { return revision_; }

private:
    Purse base_;
    std::vector<GameSpan> spans_;
    int gamesPerSpan_ = 1;
    int games_ = 0;
    double last_ = 0;
    GamePoint highest_;
    GamePoint lowest_;
    int wins_ = 0;
    double staked_ = 0;
    double paid_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace kararion::session
