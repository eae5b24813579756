#include "ui/access/outcome.h"

#include <QStringList>

#include "core/counters.h"
#include "core/game.h"
#include "judge/judge.h"
#include "ui/access/accessibility.h"
#include "ui/controls/symbol_art.h"
#include "ui/controls/win_frame.h"

namespace kararion::ui {

OutcomeWatch::OutcomeWatch(const Game& game, Announcer& announcer, WinFrame& frame)
    : game_(game), announcer_(announcer), frame_(frame) {}

OutcomeWatch::Seen OutcomeWatch::Look() const {
    const MainWindowState& main = game_.main;
    const InfoWindowState& info = game_.info;
    return {.spinning = main.AnyReelSpinning(),
            .bet = ReadCounter(info.Bet),
            .run = ReadCounter(info.Run),
            .win = ReadCounter(info.Win),
            .lost = ReadCounter(info.Lost),
            .coin = ReadCounter(info.Coin)};
}

QString OutcomeWatch::Judged(const Seen& now) {
    if (now.lost > last_.lost) {
        frame_.Clear();
        return QStringLiteral("ハズレ");
    }
    const int line = game_.main.winningLine;
    const std::int32_t payout = game_.judge.Payout;
    // The row of the line's reel-1 cell holds the symbol that won.
    const std::optional<Symbol> symbol = LooksLike(game_.main.Cell(1, LineRows(line)[0]));
    replayStarting_ = payout == judge::kReplayPayout;
    frame_.Show(line, payout > 0 ? QStringLiteral("+%1").arg(payout) : QString());
    if (replayStarting_) return QStringLiteral("リプレイ");
    if (payout > 0) return QStringLiteral("%1 %2枚").arg(SymbolName(symbol)).arg(payout);
    return SymbolName(symbol);
}

void OutcomeWatch::Refreshed() {
    const Seen now = Look();
    if (!looked_) {
        // Whatever stands at the start was no game of this session.
        looked_ = true;
        last_ = now;
        return;
    }
    QStringList words;
    const bool judged = last_.spinning && !now.spinning && now.win + now.lost == last_.win + last_.lost + 1;
    if (judged) {
        words << Judged(now);
    } else if (now.bet > last_.bet) {
        frame_.Clear();
    } else if (now.run > last_.run) {
        // A replay starts its game by itself: its frame stays until the player acts.
        if (!replayStarting_) frame_.Clear();
        replayStarting_ = false;
    }
    const bool broke = now.coin <= 0 && now.bet <= 0;
    const bool wasBroke = last_.coin <= 0 && last_.bet <= 0;
    if (broke && !wasBroke) words << QStringLiteral("コインがありません");
    last_ = now;
    if (!words.isEmpty()) announcer_.Say(words.join(QStringLiteral("。")));
}

}  // namespace kararion::ui
