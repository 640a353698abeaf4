#pragma once

// A deliberately plain search, for the search to be compared with: both sides upper-cased, then
// the text looked for in the stripped value of the criterion's field; the activity joins its
// type and name with a blank; a blank value, or an empty line, is never found.

#include "data/cp1252.h"
#include "data/record.h"
#include "search/search_engine.h"

#include <string>
#include <vector>

namespace orvel::testing {

inline std::string upperCased(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    return text;
}

inline std::string plainValue(SearchCriterion criterion, std::string_view line) {
    const Field compared[] = {fields::kCommune, fields::kPostalCode, fields::kActivityType,
                              fields::kReference, fields::kCanton};
    const std::string value(trimBlanks(fieldOf(line, compared[static_cast<int>(criterion) - 1])));
    return criterion == SearchCriterion::Activity
               ? value + ' ' + std::string(trimBlanks(fieldOf(line, fields::kActivityName)))
               : value;
}

// The result lines of the lines that hold the text, in file order.
template <class Lines>
std::vector<std::string> plainSearch(SearchCriterion criterion, std::string_view text,
                                     const Lines& lines) {
    std::vector<std::string> found;
    for (const std::string_view line : lines) {
        const std::string value = plainValue(criterion, line);
        if (!line.empty() && !trimBlanks(value).empty() &&
            upperCased(value).find(upperCased(std::string(text))) != std::string::npos) {
            found.push_back(
                std::string(fieldOf(line, kResultStart)).append(fieldOf(line, kResultEnd)));
        }
    }
    return found;
}

} // namespace orvel::testing
