#include "data/record.h"

#include <algorithm>

namespace orvel {

CantonSplit splitCanton(std::string_view line, NumberCut cut) {
    const std::string_view canton = trimBlanks(fieldOf(line, fields::kCanton));
    CantonSplit split;
    if (canton.empty()) {
        return split;
    }
    const char last = canton.back();
    if (last < '0' || last > '9') {
        split.kind = CantonSplit::Kind::Unnumbered;
        split.name = canton;
        return split;
    }
    // A numbered field shorter than its number is outside the format: keep what there is.
    const std::size_t numberLength = std::min<std::size_t>(4, canton.size());
    const std::size_t dropped = std::min(static_cast<std::size_t>(cut), canton.size());
    split.kind = CantonSplit::Kind::Numbered;
    split.number = canton.substr(canton.size() - numberLength);
    split.name = trimBlanks(canton.substr(0, canton.size() - dropped));
    return split;
}

} // namespace orvel
