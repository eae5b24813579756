#include "reels/reels.h"

#include <stdexcept>

#include "core/tuning.h"
#include "errors/error_message.h"

namespace kararion::reels {
namespace {

std::size_t Checked(int value, int low, int high, const char* what) {
    if (value < low || value > high) throw std::out_of_range(what);
    return static_cast<std::size_t>(value - low);
}

}  // namespace

Reels::Reels(Ground& ground, lamps::ReelLamps& lamps, judge::Judge& judge)
    : g_(ground),
      lamps_(lamps),
      judge_(judge),
      timers_{GameTimer("SLT1", tuning::kReel1StepMs), GameTimer("SLT2", tuning::kReel2StepMs),
              GameTimer("SLT3", tuning::kReel3StepMs)} {
    for (int reel = 1; reel <= 3; ++reel)
        for (int row = 1; row <= 3; ++row) CellAt(reel, row) = LoadPicture(reel, row);
    stopColours_.fill(kDarkNavy);
    stripTexts_ = {"0<>1<>2<>3<>4<>5<>6<>7<>8<>9<>10<>", "0<>3<>6<>9<>2<>5<>8<>10<>1<>4<>7<>",
                   "0<>4<>8<>10<>2<>6<>9<>7<>5<>1<>3<>"};
}

Picture& Reels::CellAt(int reel, int row) {
    return cells_[Checked(reel, 1, 3, "Cell")][Checked(row, 1, 3, "Cell row")];
}
Picture Reels::Cell(int reel, int row) const {
    return cells_[Checked(reel, 1, 3, "Cell")][Checked(row, 1, 3, "Cell row")];
}
const std::string& Reels::StripText(int reel) const { return stripTexts_[Checked(reel, 1, 3, "StripText")]; }
GameTimer& Reels::Timer(int reel) { return timers_[Checked(reel, 1, 3, "ReelTimer")]; }
const GameTimer& Reels::ReelTimer(int reel) const { return timers_[Checked(reel, 1, 3, "ReelTimer")]; }
std::int32_t Reels::ReelPosition(int reel) const { return positions_[Checked(reel, 1, 3, "ReelPosition")]; }

bool Reels::AnyReelSpinning() const { return timers_[0].Enabled() || timers_[1].Enabled() || timers_[2].Enabled(); }

bool Reels::Stoppable(int reel) const {
    return g_.gamePhase().Allows(Command::Stop) && !stopped_[Checked(reel, 1, 3, "Stoppable")];
}

Caption Reels::StopButton(int reel) const { return {Stoppable(reel), stopColours_[Checked(reel, 1, 3, "StopButton")]}; }

void Reels::ReportReelError(const std::string& message) {
    errors::ShowErrorMessage(g_, message);
    for (int reel = 1; reel <= 3; ++reel) Timer(reel).SetEnabled(false);
}

}  // namespace kararion::reels
