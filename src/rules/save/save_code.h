#pragma once
#include <string>

#include "core/ground.h"

namespace kararion::save {

inline const std::string kFailed = "-ERR-";

// Digits to letters, one for one; "-ERR-" (after one message) for any other character.
std::string EncodeSaveText(Ground& g, const std::string& text);
// Letters back to digits; "-ERR-" (after one message) for anything not in the table.
std::string DecodeSaveText(Ground& g, const std::string& text);
// "Error" sound and the message under "エラー"; stops nothing.
void ReportCodingError(Ground& g, const std::string& message);

}  // namespace kararion::save
