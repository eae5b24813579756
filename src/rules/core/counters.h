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

// The seven counters, as the information window shows them.
struct Counters {
    // Design-time texts; the program's start writes the start values.
    std::string Bet = "Bet";
    std::string Run = "Run";
    std::string Lost = "Lost";
    std::string Win = "Win";
    std::string Coin = "Coin";
    std::string UsedCoin = "UsedCoin";
    std::string WinCoin = "WinCoin";
};

// The six counters a save file keeps, set to a new game's values: 100 coins, all else 0.
void WriteStartCounters(Counters& counters);
// All seven counters as the program starts: those six and no bet.
void WriteStartValues(Counters& counters);

// No coins in hand and none staked: the game can go no further.
bool OutOfCoins(const Counters& counters);

// One counter update: read the field, add `delta`, write it back.
inline void AddToCounter(std::string& field, double delta) { field = WriteCounter(ReadCounter(field) + delta); }

}  // namespace kararion
