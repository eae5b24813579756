#pragma once
// Keeps a game's session history from the game's own events: every judged
// game, and a fresh session whenever a load or a fresh start replaces the counters.
#include "core/counters.h"
#include "core/events.h"
#include "session/history.h"

namespace kararion::session {

class SessionRecord {
public:
    // Listens from now on; the session starts with StartSession.
    SessionRecord(const GameEvents& events, const Counters& counters);

    // The counters as they stand become the base of a fresh session.
    void StartSession();
    const History& history() const { return history_; }

private:
    Purse Now() const;

    const Counters& counters_;
    History history_;
    Connection judged_;
    Connection replaced_;
    Connection afresh_;
};

}  // namespace kararion::session
