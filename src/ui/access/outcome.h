#pragma once
// Each game's outcome as a player without the lamps gets it, from the rules'
// own events: said once at the judgement ("ベル 25枚", "リプレイ", "ハズレ"),
// and the winning cells framed until the next bet or start. It also says
// "コインがありません" once when coins and stake both reach 0.
#include <QString>

#include "core/events.h"

namespace kararion {
struct Counters;
}

namespace kararion::ui {

class Announcer;
class WinFrame;

class OutcomeWatch {
public:
    OutcomeWatch(GameEvents& events, const Counters& counters, Announcer& announcer, WinFrame& frame);

private:
    void Judged(const Judgement& judgement);
    // Says `words`, followed by the news of running out when that has just happened.
    void Say(QString words);

    const Counters& counters_;
    Announcer& announcer_;
    WinFrame& frame_;
    bool wasBroke_ = false;
    Connection judged_, betChanged_, started_, replaced_;
};

}  // namespace kararion::ui
