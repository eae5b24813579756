#include "session/history.h"

namespace kararion::session {
namespace {

// On equal values the earlier game stands.
GamePoint Lower(const GamePoint& a, const GamePoint& b) { return b.coins < a.coins ? b : a; }
GamePoint Higher(const GamePoint& a, const GamePoint& b) { return b.coins > a.coins ? b : a; }

GameSpan Merged(const GameSpan& a, const GameSpan& b) {
    return {.first = a.first,
            .last = b.last,
            .lowest = Lower(a.lowest, b.lowest),
            .highest = Higher(a.highest, b.highest),
            .end = b.end};
}

}  // namespace

void History::Start(const Purse& now) {
    base_ = now;
    // A fresh vector, not a cleared one: a long session's spans give their memory back.
    std::vector<GameSpan>().swap(spans_);
    gamesPerSpan_ = 1;
    games_ = 0;
    last_ = 0;
    highest_ = {};
    lowest_ = {};
    wins_ = 0;
    staked_ = 0;
    paid_ = 0;
    ++revision_;
}

void History::GameEnded(const Purse& now, bool won) {
    ++games_;
    const GamePoint point{games_, now.coin - base_.coin};
    last_ = point.coins;
    highest_ = games_ == 1 ? point : Higher(highest_, point);
    lowest_ = games_ == 1 ? point : Lower(lowest_, point);

    if (!spans_.empty() && spans_.back().last - spans_.back().first + 1 < gamesPerSpan_) {
        GameSpan& open = spans_.back();
        open.last = point.game;
        open.lowest = Lower(open.lowest, point);
        open.highest = Higher(open.highest, point);
        open.end = point;
    } else {
        if (spans_.size() == kMaxSpans) {
            for (std::size_t i = 0; i < kMaxSpans / 2; ++i) spans_[i] = Merged(spans_[2 * i], spans_[2 * i + 1]);
            spans_.resize(kMaxSpans / 2);
            gamesPerSpan_ *= 2;
        }
        if (spans_.capacity() < kMaxSpans) spans_.reserve(kMaxSpans);
        spans_.push_back({.first = point.game, .last = point.game, .lowest = point, .highest = point, .end = point});
    }

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

}  // namespace kararion::session
