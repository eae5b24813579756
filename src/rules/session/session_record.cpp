#include "session/session_record.h"

namespace kararion::session {

SessionRecord::SessionRecord(const GameEvents& events, const Counters& counters) : counters_(counters) {
    // A game counts at its judgement, with what it won already in hand: a
    // click that cuts a count-up short must not lose the game from the record.
    judged_ = events.judged.Connect([this](const Judgement& j) {
        Purse after = Now();
        after.coin += static_cast<double>(j.coins);
        after.winCoin += static_cast<double>(j.coins);
        history_.GameEnded(after, j.Won());
    });
    replaced_ = events.countersReplaced.Connect([this](const Restored&) { StartSession(); });
    afresh_ = events.startedAfresh.Connect([this](const Restored&) { StartSession(); });
}

void SessionRecord::StartSession() { history_.Start(Now()); }

Purse SessionRecord::Now() const {
    return {static_cast<double>(counters_.Coin()), static_cast<double>(counters_.UsedCoin()),
            static_cast<double>(counters_.WinCoin())};
}

}  // namespace kararion::session
