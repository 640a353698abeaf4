#pragma once

#include "data/line_list.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvel {

// The order of the listings: ascending by the whole line in French order. Letter case does not
// count; accents count only between otherwise equal lines (é sorts with e, œ as oe); blanks and
// punctuation count and come before digits, which come before letters. Works on
// Windows-1252 bytes.

// Negative, zero or positive as a sorts before, with or after b.
int collate(std::string_view a, std::string_view b);

// The indexes of the lines in that order; lines that collate equal keep their order.
std::vector<std::size_t> sortOrder(const LineList& lines);

} // namespace orvel
