#include "reels/reel_error.h"

#include "sound/error_message.h"

namespace kararion {

void ReportReelError(Game& g, const std::string& message) {
    ShowErrorMessage(g, message);
    for (int reel = 1; reel <= 3; ++reel) g.main.ReelTimer(reel).SetEnabled(false);
}

}  // namespace kararion
