#pragma once
// The counters live as decimal text in the information window's fields. These
// two functions are the one rule for turning such text into a number and back.
#include <string>
#include <string_view>

namespace kararion {

// Reads counter text as a number: leading blanks are skipped, then the longest
// leading decimal number is taken (sign, digits, decimal point, exponent).
// Text with no leading number - empty, letters, "-ERR-" - reads as 0. Digits
// beyond the range of a double read as the largest finite double.
double ReadCounter(std::string_view text);

// Writes a value as the shortest decimal text that reads back as the same
// value: "0", "101", "-1"; no leading blank, no decimal point for whole numbers.
// A whole number is always plain digits, its exact value however large
// ("1000000000000000", 1e30 as "1000000000000000019884624838656").
std::string WriteCounter(double value);

}  // namespace kararion

namespace kararion {

// One counter update: read the field, add `delta`, write it back.
inline void AddToCounter(std::string& field, double delta) { field = WriteCounter(ReadCounter(field) + delta); }

}  // namespace kararion
