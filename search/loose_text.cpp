#include "search/loose_text.h"

#include "data/cp1252.h"
#include "data/letters.h"

#include <array>

namespace orvel {
namespace {

// Per byte, the one or two bytes it folds to; the second is 0 when there is none.
using FoldTable = std::array<std::array<char, 2>, 256>;

char capital(char c) {
    return static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
}

FoldTable makeFoldTable() {
    FoldTable table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = {capital(static_cast<char>(b)), 0};
    }
    for (const AccentedLetter& letter : kAccentedLetters) {
        table[letter.byte] = {capital(letter.base), capital(letter.expansion)};
    }
    return table;
}

const FoldTable kFolded = makeFoldTable();

} // namespace

std::string looseText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (const char c : text) {
        const std::array<char, 2>& into = kFolded[static_cast<unsigned char>(c)];
        folded += into[0];
        if (into[1] != 0) {
            folded += into[1];
        }
    }
    return folded;
}

} // namespace orvel
