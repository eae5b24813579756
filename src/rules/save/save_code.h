#pragma once
#include <string>

#include "core/game.h"

namespace kararion::save_code {

inline const std::string kFailed = "-ERR-";

// Digits to letters, one for one; "-ERR-" (after one message) for any other character.
std::string EncodeSaveText(Game& g, const std::string& text);
// Letters back to digits; "-ERR-" (after one message) for anything not in the table.
std::string DecodeSaveText(Game& g, const std::string& text);
// "Error" sound and the message under "エラー"; stops nothing.
void ReportCodingError(Game& g, const std::string& message);

}  // namespace kararion::save_code
