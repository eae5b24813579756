#pragma once
// A caption or label of a window: whether it takes clicks, and its text colour.
#include "core/colour.h"

namespace kararion {

struct Caption {
    bool enabled = true;
    Colour foreColor = kDefaultText;
};

}  // namespace kararion
