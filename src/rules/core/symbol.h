#pragma once
// The ten symbols on the reels, and what a reel cell holds. A cell does not
// hold a symbol but a picture, and two cells show the same symbol exactly when
// they hold the same picture.
#include <array>
#include <cstdint>
#include <optional>

namespace kararion {

// The numbers are the symbols' own: the strips' texts name them so, and the
// symbol pictures are stored under them.
enum class Symbol : std::int32_t { Bell = 1, Seven, Star, Grapes, Peach, Watermelon, Bar, Melon, Replay, Orange };

using Picture = std::int32_t;

// 1 to 10: the picture of each symbol, one per symbol.
constexpr Picture PictureOf(Symbol s) { return static_cast<Picture>(s); }
constexpr Picture kFirstSymbol = PictureOf(Symbol::Bell);
constexpr Picture kLastSymbol = PictureOf(Symbol::Orange);
// The pictures stored with the nine cells at load look like symbols but are
// pictures of their own (11 to 19, one per cell), so they match nothing.
constexpr Picture kFirstLoadPicture = 11;
constexpr Picture kLastLoadPicture = 19;

constexpr bool IsSymbolPicture(Picture p) { return p >= kFirstSymbol && p <= kLastSymbol; }
constexpr bool IsLoadPicture(Picture p) { return p >= kFirstLoadPicture && p <= kLastLoadPicture; }

// The nine reel cells, [reel - 1][row - 1]: reels left to right, rows top to bottom.
using Cells = std::array<std::array<Picture, 3>, 3>;

// The picture a cell (reel 1..3, row 1..3) holds when the window loads.
constexpr Picture LoadPicture(int reel, int row) { return kFirstLoadPicture + (reel - 1) * 3 + (row - 1); }

// The symbol a picture looks like, or nothing for no picture at all.
constexpr std::optional<Symbol> LooksLike(Picture p) {
    if (IsSymbolPicture(p)) return static_cast<Symbol>(p);
    // Load pictures, reel by reel, top to bottom.
    using enum Symbol;
    constexpr std::array<Symbol, 9> kLoad = {Orange, Replay, Melon, Bar, Grapes, Bell, Peach, Star, Bell};
    if (IsLoadPicture(p)) return kLoad[static_cast<std::size_t>(p - kFirstLoadPicture)];
    return std::nullopt;
}

}  // namespace kararion
