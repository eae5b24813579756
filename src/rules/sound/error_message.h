#pragma once
// The first half of every error procedure: the "Error" sound, then the message
// under "エラー", waiting until the player closes it. What each module puts at
// rest afterwards is its own.
#include <string>

#include "core/game.h"

namespace kararion {

inline const std::string kErrorTitle = "エラー";

void ShowErrorMessage(Game& g, const std::string& message);

}  // namespace kararion
