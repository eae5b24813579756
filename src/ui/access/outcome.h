#pragma once
// Each game's outcome as a player without the lamps gets it. The rules only
// count wins and losses; this watch reads the state after every redraw and
// recognises the judgement (the last reel has just stopped and one more win
// or loss is counted), then says it once ("ベル 25枚", "リプレイ", "ハズレ")
// and frames the winning cells until the next bet or start. It also says
// "コインがありません" once when coins and bet both reach 0.
#include <QString>

namespace kararion {
class Game;
}

namespace kararion::ui {

class Announcer;
class WinFrame;

class OutcomeWatch {
public:
    OutcomeWatch(const Game& game, Announcer& announcer, WinFrame& frame);
    // After every redraw.
    void Refreshed();

private:
    struct Seen {
        bool spinning = false;
        double bet = 0, run = 0, win = 0, lost = 0, coin = 0;
    };
    Seen Look() const;
    QString Judged(const Seen& now);

    const Game& game_;
    Announcer& announcer_;
    WinFrame& frame_;
    Seen last_;
    bool looked_ = false;
    bool replayStarting_ = false;
};

}  // namespace kararion::ui
