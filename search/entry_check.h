#pragma once

#include "search/search_engine.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace orvel {

// Why Enter in a criterion box is refused: the French message (UTF-8) and whether the box is
// emptied once the message has been shown.
struct EntryRefusal {
    std::string_view message;
    bool emptiesBox = false;
};

// The check that Enter runs in the box of a criterion: its length first, then that it is not
// empty. The length counts characters, not bytes; the boxes themselves accept any length.
std::optional<EntryRefusal> checkEntry(SearchCriterion box, std::size_t characters);

} // namespace orvel
