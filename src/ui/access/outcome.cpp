#include "ui/access/outcome.h"

#include <QStringList>

#include "core/counters.h"
#include "paytable/paytable.h"
#include "reels/reels.h"
#include "ui/access/accessibility.h"
#include "ui/controls/win_frame.h"

namespace kararion::ui {
namespace {

QString Count(kararion::Count value) { return QString::number(value); }

QString SymbolWord(Picture picture) {
    const std::optional<Symbol> symbol = LooksLike(picture);
    return symbol ? QString::fromUtf8(paytable::SpokenName(*symbol)) : QStringLiteral("空白");
}

// "リール1 ベル、オレンジ、リプレイ": a reel's cells top to bottom.
QString ReelWords(int reel, const std::array<Picture, 3>& cells) {
    QStringList words;
    for (Picture cell : cells) words << SymbolWord(cell);
    return QStringLiteral("リール%1 %2").arg(reel).arg(words.join(QStringLiteral("、")));
}

QString LineWord(int line) {
    const paytable::PayLine* found = paytable::LineNumbered(line);
    return found ? QString::fromUtf8(found->spokenName) : QString();
}

// Why a key or a click did nothing, in a few words the stock voice can say.
QString RefusalWords(const Refusal& r) {
    const bool running = r.phase == Phase::Spinning;
    switch (r.reason) {
        case Reason::NotNow:
            if (r.command == Command::Stop) return QStringLiteral("リールは とまっています");
            if (running) return QStringLiteral("リールが まわっています");
            if (r.phase == Phase::PayingOut || r.phase == Phase::Replay) return QStringLiteral("はらいだし ちゅうです");
            if (r.command == Command::Save || r.command == Command::Load || r.command == Command::StartAfresh)
                return QStringLiteral("ベットが あるあいだは できません");
            return {};
        case Reason::StakeFull: return QStringLiteral("ベットは 3まで です");
        case Reason::NoCoins: return QStringLiteral("コインが ありません");
        case Reason::NothingStaked: return QStringLiteral("ベットが ありません");
        case Reason::CountersFull: return QStringLiteral("これいじょう かぞえられません");
        case Reason::ReelStopped: return QStringLiteral("その リールは とまっています");
        case Reason::CoinsLeft: return QStringLiteral("コインが のこっています");
        case Reason::NoName: return {};  // the dialog says why itself
    }
    return {};
}

}  // namespace

OutcomeWatch::OutcomeWatch(const GameEvents& events, const Counters& counters, const reels::Reels& reels,
                           Announcer& announcer, WinFrame& frame)
    : counters_(counters), reels_(reels), announcer_(announcer), frame_(frame) {
    judged_ = events.judged.Connect([this](const Judgement& j) { Judged(j); });
    betChanged_ = events.betChanged.Connect([this](const BetChange& change) {
        if (change.raised) frame_.Clear();
        announcer_.Say(QStringLiteral("ベット %1、コイン %2").arg(Count(change.bet), Count(change.coins)));
    });
    // A replay starts its game by itself: the word stays until the player
    // acts, the frame goes with the symbols it framed as the reels spin off,
    // and "リプレイ" has said what happens.
    started_ = events.gameStarted.Connect([this](bool replay) {
        if (replay) {
            frame_.Show(0, frame_.paid());
            return;
        }
        frame_.Clear();
        announcer_.Say(QStringLiteral("スタート"));
    });
    stopped_ =
        events.reelStopped.Connect([this](const ReelStop& stop) { announcer_.Say(ReelWords(stop.reel, stop.cells)); });
    replaced_ = events.countersReplaced.Connect([this](const Restored& restored) {
        announcer_.Say(QStringLiteral("コイン %1、ゲーム %2").arg(Count(restored.coins), Count(restored.games)));
    });
    ranOut_ = events.coinsRanOut.Connect([this] { announcer_.Say(QStringLiteral("コインがありません")); });
    afresh_ = events.startedAfresh.Connect([this](const Restored& restored) {
        announcer_.Say(QStringLiteral("はじめから。コイン %1").arg(Count(restored.coins)));
    });
    refused_ = events.refused.Connect([this](const Refusal& refusal) {
        const QString words = RefusalWords(refusal);
        if (!words.isEmpty()) Refused(words);
    });
}

void OutcomeWatch::Judged(const Judgement& j) {
    if (!j.Won()) {
        frame_.Clear();
        Result(QStringLiteral("ハズレ"));
        return;
    }
    frame_.Show(j.line, j.replay      ? QStringLiteral("リプレイ")
                        : j.coins > 0 ? QStringLiteral("+%1").arg(j.coins)
                                      : QString());
    const QString name = j.symbol ? QString::fromUtf8(paytable::SpokenName(*j.symbol)) : QString();
    if (j.replay) {
        Result(QStringLiteral("リプレイ %1").arg(LineWord(j.line)));
    } else if (j.coins > 0) {
        // The coins the payout will leave in hand, said now: the count-up
        // that brings them says nothing, and a line after it would be lost
        // to the player's next key.
        Result(
            QStringLiteral("%1 %2枚 %3、コイン %4").arg(name).arg(j.coins).arg(LineWord(j.line), Count(j.coinsAfter)));
    } else {
        Result(QStringLiteral("%1 %2").arg(name, LineWord(j.line)));
    }
}

void OutcomeWatch::Result(const QString& words) {
    lastResult_ = words;
    // Before the last reel's symbols: the result is what the player waits for.
    announcer_.Say(words, true);
}

void OutcomeWatch::Refused(const QString& reason) { announcer_.Say(reason, true); }

void OutcomeWatch::SayState() {
    QStringList words;
    // The last result first: what a player asking has most likely missed.
    if (!lastResult_.isEmpty()) words << lastResult_;
    words << QStringLiteral("コイン %1、ベット %2、ゲーム %3")
                 .arg(Count(counters_.Coin()), Count(counters_.Bet()), Count(counters_.Run()));
    for (int reel = 1; reel <= 3; ++reel) {
        if (reels_.ReelTimer(reel).Enabled()) {
            words << QStringLiteral("リール%1 回転中").arg(reel);
        } else {
            words << ReelWords(reel, reels_.AllCells()[static_cast<std::size_t>(reel - 1)]);
        }
    }
    announcer_.Say(words.join(QStringLiteral("。")));
}

}  // namespace kararion::ui
