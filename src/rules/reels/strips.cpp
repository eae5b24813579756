#include "reels/strips.h"

#include <charconv>
#include <cstdint>

namespace kararion::reels {

std::vector<std::string> SplitStrip(std::string_view text) {
    static constexpr std::string_view kSeparator = "<>";
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(kSeparator, start);
        if (at == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, at - start));
        start = at + kSeparator.size();
    }
}

Picture PictureOfElement(const std::string& element) {
    std::int16_t value = 0;
    auto [end, error] = std::from_chars(element.data(), element.data() + element.size(), value);
    if (error != std::errc() || end != element.data() + element.size()) return 0;
    return value;
}

}  // namespace kararion::reels
