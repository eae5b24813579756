#include "ui/access/outcome.h"

#include <QStringList>

#include "core/counters.h"
#include "paytable/paytable.h"
#include "ui/access/accessibility.h"
#include "ui/controls/win_frame.h"

namespace kararion::ui {

OutcomeWatch::OutcomeWatch(GameEvents& events, const Counters& counters, Announcer& announcer, WinFrame& frame)
    : counters_(counters), announcer_(announcer), frame_(frame) {
    judged_ = events.judged.Connect([this](const Judgement& j) { Judged(j); });
    betChanged_ = events.betChanged.Connect([this](const BetChange& change) {
        if (change.raised) frame_.Clear();
        Say({});
    });
    // A replay starts its game by itself: the word stays until the player
    // acts, the frame goes with the symbols it framed as the reels spin off.
    started_ = events.gameStarted.Connect([this](bool replay) {
        if (replay) {
            frame_.Show(0, frame_.paid());
        } else {
            frame_.Clear();
        }
    });
    replaced_ = events.countersReplaced.Connect([this] { Say({}); });
}

void OutcomeWatch::Judged(const Judgement& j) {
    if (!j.Won()) {
        frame_.Clear();
        Say(QStringLiteral("ハズレ"));
        return;
    }
    frame_.Show(j.line, j.replay      ? QStringLiteral("リプレイ")
                        : j.coins > 0 ? QStringLiteral("+%1").arg(j.coins)
                                      : QString());
    const QString name = j.symbol ? QString::fromUtf8(paytable::SpokenName(*j.symbol)) : QString();
    if (j.replay) {
        Say(QStringLiteral("リプレイ"));
    } else if (j.coins > 0) {
        Say(QStringLiteral("%1 %2枚").arg(name).arg(j.coins));
    } else {
        Say(name);
    }
}

void OutcomeWatch::Say(QString words) {
    const bool broke = ReadCounter(counters_.Coin) <= 0 && ReadCounter(counters_.Bet) <= 0;
    if (broke && !wasBroke_) {
        if (!words.isEmpty()) words += QStringLiteral("。");
        words += QStringLiteral("コインがありません");
    }
    wasBroke_ = broke;
    if (!words.isEmpty()) announcer_.Say(words);
}

}  // namespace kararion::ui
