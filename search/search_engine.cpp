#include "search/search_engine.h"

#include "data/cp1252.h"
#include "data/record.h"
#include "data/reference_file.h"

#include <algorithm>

namespace orvel {
namespace {

void appendUpper(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.resize(start + text.size());
    std::transform(
        text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(start),
        [](char c) { return static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c))); });
}

void appendComparedValue(std::string& out, SearchCriterion criterion, std::string_view record) {
    switch (criterion) {
    case SearchCriterion::Commune:
        appendUpper(out, trimBlanks(fieldOf(record, fields::kCommune)));
        return;
    case SearchCriterion::PostalCode:
        appendUpper(out, trimBlanks(fieldOf(record, fields::kPostalCode)));
        return;
    case SearchCriterion::Activity:
        appendUpper(out, trimBlanks(fieldOf(record, fields::kActivityType)));
        out += ' ';
        appendUpper(out, trimBlanks(fieldOf(record, fields::kActivityName)));
        return;
    case SearchCriterion::Reference:
        appendUpper(out, trimBlanks(fieldOf(record, fields::kReference)));
        return;
    case SearchCriterion::Canton:
        appendUpper(out, trimBlanks(fieldOf(record, fields::kCanton)));
        return;
    }
}

// A result line shows the record's columns 4 to 82, then 100 to 138.
constexpr Field kResultStart{4, 79};
constexpr Field kResultEnd{100, 39};

} // namespace

std::string comparedValue(SearchCriterion criterion, std::string_view record) {
    std::string value;
    appendComparedValue(value, criterion, record);
    return value;
}

std::string searchResultLine(std::string_view record) {
    return std::string(fieldOf(record, kResultStart)) + std::string(fieldOf(record, kResultEnd));
}

Result<LineList> Cherche_Ref(SearchCriterion criterion, std::string_view text,
                             const std::filesystem::path& referenceFile) {
    std::string wanted;
    appendUpper(wanted, text);
    LineList results;
    std::string value;
    const auto failure = forEachLine(referenceFile, [&](std::string_view record) {
        if (record.empty()) {
            return;
        }
        value.clear();
        appendComparedValue(value, criterion, record);
        // A blank value matches nothing, not even an empty text.
        if (!trimBlanks(value).empty() && value.find(wanted) != std::string::npos) {
            results.append({fieldOf(record, kResultStart), fieldOf(record, kResultEnd)});
        }
    });
    if (failure) {
        return *failure;
    }
    return results;
}

} // namespace orvel
