#pragma once
// The reel strips: stored as text, split on "<>", read by position.
#include <string>
#include <string_view>
#include <vector>

#include "core/symbol.h"

namespace kararion::reels {

// Splits on every "<>": "0<>1<>" gives {"0", "1", ""}.
std::vector<std::string> SplitStrip(std::string_view text);

// A strip element's text as a 16-bit integer, i.e. the picture it names (1 to
// 10 are the symbols). Text that is not a number gives 0 (no picture).
Picture PictureOfElement(const std::string& element);

}  // namespace kararion::reels
