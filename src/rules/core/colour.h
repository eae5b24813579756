#pragma once
// Colours are kept as the machine's own 24-bit values: red in the low byte,
// green in the middle byte, blue in the high byte (255 is pure red).
#include <cstdint>

namespace kararion {

struct Colour {
    std::int32_t value;
    constexpr bool operator==(const Colour&) const = default;
};

constexpr Colour Rgb(int r, int g, int b) { return Colour{r | (g << 8) | (b << 16)}; }

constexpr Colour kRed = Rgb(255, 0, 0);            // a lit bet lamp, a hovered caption
constexpr Colour kBlack = Rgb(0, 0, 0);            // a dark bet lamp, a caption at rest
constexpr Colour kBlue = Rgb(0, 0, 255);           // a stop button that can be pressed
constexpr Colour kDarkNavy = Rgb(0, 0, 64);        // a stop button at rest
constexpr Colour kCyan = Rgb(0, 255, 255);         // a lit reel lamp
constexpr Colour kDarkTeal = Rgb(0, 64, 64);       // a dark reel lamp
constexpr Colour kMagenta = Rgb(255, 0, 255);      // reel frames
constexpr Colour kLightGrey = Rgb(224, 224, 224);  // bet lamp panels
constexpr Colour kYellow = Rgb(255, 255, 0);       // stop button panel

// The window system's "window text" colour, which a caption carries until the
// game first sets a colour of its own. It is a system-colour reference, never a
// 24-bit value, so it never compares equal to red: a lamp at load is dark.
constexpr Colour kDefaultText{static_cast<std::int32_t>(0x80000012u)};

constexpr int RedOf(Colour c) { return c.value & 0xFF; }
constexpr int GreenOf(Colour c) { return (c.value >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c.value >> 16) & 0xFF; }

}  // namespace kararion
