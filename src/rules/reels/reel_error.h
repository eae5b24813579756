#pragma once
#include <string>

#include "core/game.h"

namespace kararion {

// The reels' error report, for spinning and stopping alike: the "Error" sound,
// the message under "エラー", then every reel halts.
void ReportReelError(Game& g, const std::string& message);

}  // namespace kararion
