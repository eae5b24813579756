#include "judge/judge.h"

#include <limits>
#include <optional>

#include "core/counters.h"
#include "core/tuning.h"
#include "sound/error_message.h"
#include "sound/sounds.h"

namespace kararion::judge {
namespace {

Picture CellOf(const Cells& cells, paytable::CellAt at) {
    return cells[static_cast<std::size_t>(at.reel - 1)][static_cast<std::size_t>(at.row - 1)];
}

bool ThreeOfAKind(const Cells& cells, const paytable::PayLine& line) {
    const Picture a = CellOf(cells, line.cells[0]);
    return a == CellOf(cells, line.cells[1]) && a == CellOf(cells, line.cells[2]);
}

}  // namespace

Judge::Judge(Ground& ground, lamps::BetLamps& lamps, bet::Betting& betting)
    : coinUpTimer("CoinUp", tuning::kCoinUpMs),
      winSoundTimer("AtariSe", tuning::kWinSoundDelayMs),
      g_(ground),
      lamps_(lamps),
      betting_(betting) {}

void Judge::JudgeLines(const Cells& cells) {
    // Only the left lamp of a row counts, and only when it is exactly red.
    const auto rowLit = [this](int row) { return lamps_.BetLamp(row, lamps::kLeftLamp) == kRed; };
    const auto& lines = paytable::PayLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const paytable::PayLine& line = lines[i];
        const bool inPlay = line.diagonal ? rowLit(1) && rowLit(2) && rowLit(3) : rowLit(line.cells[0].row);
        if (ThreeOfAKind(cells, line) && inPlay) {
            winningLine = static_cast<std::int32_t>(i) + 1;
            lamps_.betLampTimer.SetEnabled(true);
            AddToCounter(g_.counters.Win, 1);
            AwardPayout(cells, line.cells[0].row);
            return;  // a game pays one line at most
        }
    }
    AddToCounter(g_.counters.Lost, 1);
    CloseGame();
    g_.events.judged(Judgement{});
    g_.events.gameEnded(false);  // a loss ends the game here
}

void Judge::AwardPayout(const Cells& cells, std::int32_t row) {
    const Picture picture = cells[0][static_cast<std::size_t>(row - 1)];
    const std::optional<std::int32_t> payout = paytable::LookUpPayout(picture);
    if (payout) {
        Payout = *payout;
    } else {
        ReportJudgeError("配当数が異常です。");
    }
    // The win sound follows even a failed lookup.
    winSoundTimer.SetEnabled(true);
    if (payout) coinUpTimer.SetEnabled(true);
    const bool replay = payout == kReplayPayout;
    g_.events.judged(Judgement{.line = winningLine,
                               .symbol = LooksLike(picture),
                               .coins = payout && *payout > 0 ? *payout : 0,
                               .replay = replay});
    if (replay) g_.events.gameEnded(true);  // a replay ends its game at once
}

CountUp Judge::CountUpCoins() {
    if (Payout == kReplayPayout) {
        coinUpTimer.SetEnabled(false);
        lamps_.LightAllBetLamps();
        return CountUp::Replay;
    }
    if (Payout > std::numeric_limits<std::int32_t>::min()) --Payout;
    if (Payout >= 0) {
        AddToCounter(g_.counters.Coin, 1);
        AddToCounter(g_.counters.WinCoin, 1);
    } else if (Payout == kClosingTick) {
        // Everything is paid: close the game, whatever the bet is by now.
        CloseGame();
        coinUpTimer.SetEnabled(false);
        Payout = 0;
        g_.events.payoutFinished(ReadCounter(g_.counters.Coin));
        g_.events.gameEnded(true);  // the payout is counted up: the game is over
    } else {
        ReportJudgeError("コイン配当で異常です。");
    }
    return CountUp::GoesOn;
}

CountUp Judge::FinishPayout() {
    if (Payout == kReplayPayout) return CountUpCoins();
    if (Payout > 0) {
        AddToCounter(g_.counters.Coin, Payout);
        AddToCounter(g_.counters.WinCoin, Payout);
        Payout = 0;
    }
    // The closing tick, now.
    return CountUpCoins();
}

void Judge::PlayWinSound() {
    sound::PlaySound(g_, sound::Sound::Atari);
    winSoundTimer.SetEnabled(false);
}

void Judge::ReportJudgeError(const std::string& message) {
    sound::ShowErrorMessage(g_, message);
    coinUpTimer.SetEnabled(false);
}

// The stake is cleared, betting unlocked and the bet lamps darkened: the next
// game may be bet.
void Judge::CloseGame() { betting_.CloseStake(); }

}  // namespace kararion::judge
