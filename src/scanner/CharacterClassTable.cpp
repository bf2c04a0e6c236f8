#include "scanner/CharacterClassTable.h"

#include <initializer_list>

namespace {

// Entry of the end value, which must stay without class.
constexpr unsigned char kEndEntry = 0xFF;

}  // namespace

CharacterClassTable::CharacterClassTable(char delimiter) {
    for (char digit = '0'; digit <= '9'; ++digit) {
        classes[static_cast<unsigned char>(digit)] |= kDigit;
    }
    classes['\n'] |= kSeparator;
    classes[' '] |= kSeparator;
    if (static_cast<unsigned char>(delimiter) != kEndEntry) {
        classes[static_cast<unsigned char>(delimiter)] |= kSeparator;
    }
    for (char end : {'F', 'T', ' ', '\n', 'I'}) {
        classes[static_cast<unsigned char>(end)] |= kG93TextEnd;
    }
}
