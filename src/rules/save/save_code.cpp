#include "save/save_code.h"

#include <array>

#include "errors/error_message.h"

namespace kararion::save {
namespace {

// The letter that stands for each digit, "0" first. Deliberately out of
// alphabetical order, so that a save file does not read as a shifted alphabet.
// Changing a letter makes every existing save file unreadable.
constexpr std::array<char, 10> kLetterOfDigit = {'r', 'k', 'w', 'e', 'z', 'm', 't', 'b', 'x', 'h'};

constexpr bool TableIsOneToOne() {
    for (std::size_t i = 0; i < kLetterOfDigit.size(); ++i) {
        if (kLetterOfDigit[i] < 'a' || kLetterOfDigit[i] > 'z') return false;
        for (std::size_t j = i + 1; j < kLetterOfDigit.size(); ++j)
            if (kLetterOfDigit[i] == kLetterOfDigit[j]) return false;
    }
    return true;
}
static_assert(TableIsOneToOne(), "each digit needs a lowercase letter of its own");

// The digit a letter stands for, or -1.
int DigitOfLetter(char c) {
    for (std::size_t d = 0; d < kLetterOfDigit.size(); ++d)
        if (kLetterOfDigit[d] == c) return static_cast<int>(d);
    return -1;
}

const char* const kEncodeFailed = "データの暗号化に失敗しました。";
const char* const kDecodeFailed = "データの復号に失敗しました。";

}  // namespace

std::string EncodeSaveText(Ground& g, const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            result += kLetterOfDigit[static_cast<std::size_t>(c - '0')];
        } else {
            // One message per text: the rest is not worth looking at.
            ReportCodingError(g, kEncodeFailed);
            return kFailed;
        }
    }
    return result;
}

std::string DecodeSaveText(Ground& g, const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        int digit = DigitOfLetter(c);
        if (digit < 0) {
            ReportCodingError(g, kDecodeFailed);
            return kFailed;
        }
        result += static_cast<char>('0' + digit);
    }
    return result;
}

void ReportCodingError(Ground& g, const std::string& message) {
    // Unlike the game modules' error reports this stops nothing: the caller
    // reports the failed save or load itself and the game goes on.
    errors::ShowErrorMessage(g, message);
}

}  // namespace kararion::save
