#include "scanner/CharacterClassTable.h"

#include <initializer_list>

namespace {

// Entry of the end value, which must stay without class.
constexpr unsigned char kEndEntry = 0xFF;

}  // namespace

CharacterClassTable::CharacterClassTable(char delimiter) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        Add(digit, kDigit);
    }
    for (char separator : {'\n', ' ', delimiter}) {
        Add(separator, kSeparator);
        if (separator != ';') {
            Add(separator, kPassedOver);
        }
    }
    for (char end : {'F', 'T', ' ', '\n', 'I'}) {
        Add(end, kG93TextEnd);
    }
    for (char letter : {'R', 'X', 'Y', 'A', 'I', 'J'}) {
        Add(letter, kNumberLetter);
    }
    classes[static_cast<unsigned char>(delimiter)] &= static_cast<std::uint8_t>(~kNumberLetter);
}

void CharacterClassTable::Add(char c, std::uint8_t flag) {
    const unsigned char entry = static_cast<unsigned char>(c);
    if (entry != kEndEntry) {
        classes[entry] |= flag;
    }
}
