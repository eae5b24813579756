#pragma once
// What a reel cell holds. A cell does not hold a symbol number but a picture,
// and two cells show the same symbol exactly when they hold the same picture.
#include <cstdint>

namespace kararion {

using Picture = std::int32_t;

// 1 to 10: the symbol pictures Img(1)..Img(10), one per symbol.
constexpr Picture kFirstSymbol = 1;
constexpr Picture kLastSymbol = 10;
// The pictures stored with the nine cells at load look like symbols but are
// pictures of their own (11 to 19, one per cell), so they match nothing.
constexpr Picture kFirstLoadPicture = 11;
constexpr Picture kLastLoadPicture = 19;

constexpr bool IsSymbolPicture(Picture p) { return p >= kFirstSymbol && p <= kLastSymbol; }
constexpr bool IsLoadPicture(Picture p) { return p >= kFirstLoadPicture && p <= kLastLoadPicture; }

// The picture a cell (reel 1..3, row 1..3) holds when the window loads.
constexpr Picture LoadPicture(int reel, int row) { return kFirstLoadPicture + (reel - 1) * 3 + (row - 1); }

// The symbol a picture looks like (1..10), or 0 for no picture at all.
constexpr int LooksLike(Picture p) {
    if (IsSymbolPicture(p)) return p;
    // Load pictures, reel by reel, top to bottom.
    constexpr int kLoad[9] = {10, 9, 8, 7, 4, 1, 5, 3, 1};
    if (IsLoadPicture(p)) return kLoad[p - kFirstLoadPicture];
    return 0;
}

}  // namespace kararion
