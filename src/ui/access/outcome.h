#pragma once
// The game as a player without the lamps and reels hears it, from the rules'
// own events, one short line an action: the stake after each change
// ("ベット 3、コイン 97"), the start, each reel's symbols as it stops
// ("リール1 ベル、オレンジ、リプレイ"), the result with its line and, for a
// payout, the coins it will leave in hand ("ベル 25枚 中段、コイン 122",
// "リプレイ 上段", "ハズレ"), and the counters a load brings back; "コインがありません"
// when the rules say coins and stake have both run out. The winning cells stay framed until
// the next bet or start. Nothing is said while the reels spin or coins count up.
#include <QString>

#include "core/events.h"

namespace kararion {
class Counters;
}
namespace kararion::reels {
class Reels;
}

namespace kararion::ui {

class Announcer;
class WinFrame;

class OutcomeWatch {
public:
    OutcomeWatch(const GameEvents& events, const Counters& counters, const reels::Reels& reels, Announcer& announcer,
                 WinFrame& frame);

    // Everything at once, on the player's asking: the last result, coins,
    // stake, games and the nine symbols.
    void SayState();
    // Why a command was refused, in a few words ("ベットが ありません"): said
    // at once, before anything else of the same action.
    void Refused(const QString& reason);

private:
    void Judged(const Judgement& judgement);
    void Result(const QString& words);
    const Counters& counters_;  // read only when the player asks for the whole state
    const reels::Reels& reels_;
    Announcer& announcer_;
    WinFrame& frame_;
    QString lastResult_;
    Connection judged_, betChanged_, started_, stopped_, replaced_, ranOut_, refused_, afresh_;
};

}  // namespace kararion::ui
