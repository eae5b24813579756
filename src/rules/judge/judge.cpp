#include "judge/judge.h"

#include <optional>

#include "core/tuning.h"
#include "errors/error_message.h"
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
    : g_(ground),
      lamps_(lamps),
      betting_(betting),
      coinUpTimer_("CoinUp", tuning::kCoinUpMs),
      winSoundTimer_("AtariSe", tuning::kWinSoundDelayMs) {}

void Judge::JudgeLines(const Cells& cells) {
    // Only the left lamp of a row counts, and only when it is exactly red.
    const auto rowLit = [this](int row) { return lamps_.BetLamp(row, lamps::kLeftLamp) == kRed; };
    const auto& lines = paytable::PayLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const paytable::PayLine& line = lines[i];
        const bool inPlay = line.diagonal ? rowLit(1) && rowLit(2) && rowLit(3) : rowLit(line.cells[0].row);
        if (ThreeOfAKind(cells, line) && inPlay) {
            winningLine_ = static_cast<std::int32_t>(i) + 1;
            lamps_.FlashWinningLine();
            g_.counters_.CountWin();
            AwardPayout(cells, line.cells[0].row);
            return;  // a game pays one line at most
        }
    }
    g_.counters_.CountLoss();
    CloseGame();
    g_.events_.judged(Judgement{.coinsAfter = g_.counters().Coin()});
}

void Judge::AwardPayout(const Cells& cells, std::int32_t row) {
    const Picture picture = cells[0][static_cast<std::size_t>(row - 1)];
    const std::optional<std::int32_t> payout = paytable::LookUpPayout(picture);
    const bool replay = payout == paytable::kReplayPayout;
    const std::int32_t coins = payout && *payout > 0 ? *payout : 0;
    coinsOwed_ = coins;
    // The win sound follows even a failed lookup.
    winSoundTimer_.SetEnabled(true);
    if (payout) coinUpTimer_.SetEnabled(true);
    g_.events_.judged(Judgement{.line = winningLine_,
                                .symbol = LooksLike(picture),
                                .coins = coins,
                                .replay = replay,
                                .coinsAfter = g_.counters().Coin() + coins});
    if (!payout) ReportJudgeError("配当数が異常です。");
}

CountUp Judge::CountUpCoins() {
    if (g_.phase() == Phase::Replay) {
        coinUpTimer_.SetEnabled(false);
        lamps_.LightAllBetLamps();
        return CountUp::Replay;
    }
    if (coinsOwed_ > 0) {
        --coinsOwed_;
        g_.counters_.PayCoins(1);
        return CountUp::GoesOn;
    }
    // Everything is paid: this tick closes the game.
    coinUpTimer_.SetEnabled(false);
    CloseGame();
    g_.events_.payoutFinished(g_.counters().Coin());
    return CountUp::GoesOn;
}

CountUp Judge::FinishPayout() {
    if (g_.phase() != Phase::Replay && coinsOwed_ > 0) {
        g_.counters_.PayCoins(coinsOwed_);
        coinsOwed_ = 0;
    }
    // The closing tick, or the replay's, now.
    return CountUpCoins();
}

void Judge::PlayWinSound() {
    sound::PlaySound(g_, sound::Sound::Atari);
    winSoundTimer_.SetEnabled(false);
}

void Judge::ReportJudgeError(const std::string& message) {
    errors::ShowErrorMessage(g_, message);
    coinUpTimer_.SetEnabled(false);
    coinsOwed_ = 0;
    CloseGame();
    g_.events_.payoutFinished(g_.counters().Coin());
}

// The stake is spent and the bet lamps darkened: the next game may be bet.
void Judge::CloseGame() { betting_.CloseStake(); }

}  // namespace kararion::judge
