#include "reels/reels.h"

#include <stdexcept>

#include "core/tuning.h"
#include "sound/error_message.h"

namespace kararion::reels {
namespace {

std::size_t Checked(int value, int low, int high, const char* what) {
    if (value < low || value > high) throw std::out_of_range(what);
    return static_cast<std::size_t>(value - low);
}

}  // namespace

Reels::Reels(Ground& ground, lamps::ReelLamps& lamps, bet::Betting& betting, judge::Judge& judge)
    : reel1Timer("SLT1", tuning::kReel1StepMs),
      reel2Timer("SLT2", tuning::kReel2StepMs),
      reel3Timer("SLT3", tuning::kReel3StepMs),
      g_(ground),
      lamps_(lamps),
      betting_(betting),
      judge_(judge) {
    for (int reel = 1; reel <= 3; ++reel)
        for (int row = 1; row <= 3; ++row) Cell(reel, row) = LoadPicture(reel, row);
    for (Caption& stop : stopButtons_) stop = Caption{true, kDarkNavy};
    stripTexts_ = {"0<>1<>2<>3<>4<>5<>6<>7<>8<>9<>10<>", "0<>3<>6<>9<>2<>5<>8<>10<>1<>4<>7<>",
                   "0<>4<>8<>10<>2<>6<>9<>7<>5<>1<>3<>"};
}

Picture& Reels::Cell(int reel, int row) { return cells_[Checked(reel, 1, 3, "Cell")][Checked(row, 1, 3, "Cell row")]; }
const Picture& Reels::Cell(int reel, int row) const { return const_cast<Reels*>(this)->Cell(reel, row); }
std::string& Reels::StripText(int reel) { return stripTexts_[Checked(reel, 1, 3, "StripText")]; }
const std::string& Reels::StripText(int reel) const { return const_cast<Reels*>(this)->StripText(reel); }
Caption& Reels::StopButton(int reel) { return stopButtons_[Checked(reel, 1, 3, "StopButton")]; }
const Caption& Reels::StopButton(int reel) const { return const_cast<Reels*>(this)->StopButton(reel); }

GameTimer& Reels::ReelTimer(int reel) {
    switch (Checked(reel, 1, 3, "ReelTimer")) {
        case 0: return reel1Timer;
        case 1: return reel2Timer;
        default: return reel3Timer;
    }
}

void Reels::ReportReelError(const std::string& message) {
    sound::ShowErrorMessage(g_, message);
    for (int reel = 1; reel <= 3; ++reel) ReelTimer(reel).SetEnabled(false);
}

}  // namespace kararion::reels
