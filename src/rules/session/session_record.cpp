#include "session/session_record.h"

#include "core/counters.h"

namespace kararion::session {

SessionRecord::SessionRecord(Game& g) : game_(g) {
    game_.events.gameEnded = [this](bool won) { history_.GameEnded(Now(), won); };
    game_.events.countersReplaced = [this] { StartSession(); };
}

SessionRecord::~SessionRecord() {
    game_.events.gameEnded = nullptr;
    game_.events.countersReplaced = nullptr;
}

void SessionRecord::StartSession() { history_.Start(Now()); }

Purse SessionRecord::Now() const {
    const InfoWindowState& f = game_.info;
    return {ReadCounter(f.Coin), ReadCounter(f.UsedCoin), ReadCounter(f.WinCoin)};
}

}  // namespace kararion::session
