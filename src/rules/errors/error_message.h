#pragma once
// The first half of every error procedure: the "Error" sound, then the message
// under "エラー", waiting until the player closes it. What each module puts at
// rest afterwards is its own.
#include <string>

#include "core/ground.h"

namespace kararion::errors {

inline const std::string kErrorTitle = "エラー";

void ShowErrorMessage(Ground& g, const std::string& message);

}  // namespace kararion::errors
