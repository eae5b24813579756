#pragma once
// Keeps a game's session history from the game's own events: every ended
// game, and a fresh session whenever a load replaces the counters.
#include "core/game.h"
#include "session/history.h"

namespace kararion::session {

class SessionRecord {
public:
    // Listens to `g` from now on; the session starts with StartSession.
    explicit SessionRecord(Game& g);
    ~SessionRecord();
    SessionRecord(const SessionRecord&) = delete;
    SessionRecord& operator=(const SessionRecord&) = delete;

    // The counters as they stand become the base of a fresh session.
    void StartSession();
    const History& history() const { return history_; }

private:
    Purse Now() const;

    Game& game_;
    History history_;
};

}  // namespace kararion::session
