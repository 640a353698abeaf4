#pragma once

#include <string>
#include <string_view>

namespace orvel {

// Windows-1252 text with case and accents folded away as the listings' order ignores them:
// every letter becomes its plain capital, and a ligature its two letters (é → E, œ → OE,
// æ → AE, ß → SS). Every other byte stays as it is.
std::string looseText(std::string_view text);

} // namespace orvel
