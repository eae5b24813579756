#include "core/counters.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kararion {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the leading decimal number of `s`, or 0 if it has none.
std::size_t NumberPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t exponent = 0;
        while (j < s.size() && IsDigit(s[j])) {
            ++j;
            ++exponent;
        }
        if (exponent > 0) i = j;
    }
    return i;
}

}  // namespace

double ReadCounter(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    text.remove_prefix(start);
    std::size_t length = NumberPrefix(text);
    if (length == 0) return 0.0;
    std::string_view number = text.substr(0, length);
    bool negative = number.front() == '-';
    if (number.front() == '+' || negative) number.remove_prefix(1);
    double value = 0.0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large for a double, or too small to be told from zero.
        bool tiny = number.find("e-") != std::string_view::npos || number.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

std::string WriteCounter(double value) {
    if (std::isnan(value)) return "0";
    if (std::isinf(value)) value = value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    if (value == 0.0) return "0";  // also folds -0 into "0"
    // A whole number is written with all its digits, however large: exponent
    // text such as "1e+15" would not scramble, and the game could no longer
    // be saved. The largest double has 309 digits.
    char buffer[400];
    if (value == std::trunc(value)) {
        auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
        (void)error;
        return std::string(buffer, end);
    }
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    return std::string(buffer, end);
}

bool OutOfCoins(const Counters& counters) { return ReadCounter(counters.Coin) <= 0 && ReadCounter(counters.Bet) <= 0; }

void WriteStartCounters(Counters& counters) {
    counters.Coin = "100";
    counters.Run = "0";
    counters.Lost = "0";
    counters.Win = "0";
    counters.UsedCoin = "0";
    counters.WinCoin = "0";
}

void WriteStartValues(Counters& counters) {
    counters.Bet = "0";
    WriteStartCounters(counters);
}

}  // namespace kararion
