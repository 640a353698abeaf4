#include "search/search_engine.h"

#include "data/cp1252.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "search/loose_text.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace orvel {
namespace {

// The record's value for the criterion, not upper-cased, its field stripped when asked. The
// activity joins two fields, always stripped, so its value is written into the scratch string;
// the others are views into the record.
std::string_view fieldValue(SearchCriterion criterion, std::string_view record, bool stripped,
                            std::string& scratch) {
    const auto field = [&](Field which) {
        const std::string_view value = fieldOf(record, which);
        return stripped ? trimBlanks(value) : value;
    };
    switch (criterion) {
    case SearchCriterion::Commune:
        return field(fields::kCommune);
    case SearchCriterion::PostalCode:
        return field(fields::kPostalCode);
    case SearchCriterion::Activity:
        scratch.assign(trimBlanks(fieldOf(record, fields::kActivityType)));
        scratch += ' ';
        scratch += trimBlanks(fieldOf(record, fields::kActivityName));
        return scratch;
    case SearchCriterion::Reference:
        return field(fields::kReference);
    case SearchCriterion::Canton:
        break;
    }
    return field(fields::kCanton);
}

std::string upperCased(std::string_view text) {
    std::string upper(text.size(), ' ');
    std::transform(text.begin(), text.end(), upper.begin(), [](char c) {
        return static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    });
    return upper;
}

// The text to find, upper-cased (or folded, for the loose search), and the other byte that
// upper-cases to its first one (é for É), or that byte itself when there is none.
struct WantedText {
    std::string folded;
    char firstSmall = 0;
};

WantedText wantedText(std::string_view text) {
    WantedText wanted{upperCased(text)};
    if (!wanted.folded.empty()) {
        const auto capital = static_cast<unsigned char>(wanted.folded.front());
        wanted.firstSmall = static_cast<char>(capital);
        for (int byte = 0; byte < 256; ++byte) {
            if (byte != capital && cp1252ToUpper(static_cast<unsigned char>(byte)) == capital) {
                wanted.firstSmall = static_cast<char>(byte);
            }
        }
    }
    return wanted;
}

// The first place from begin on, before end, that holds one of the two bytes, or end.
const char* findEither(const char* begin, const char* end, char one, char other) {
    const void* found = std::memchr(begin, one, static_cast<std::size_t>(end - begin));
    const char* first = found != nullptr ? static_cast<const char*>(found) : end;
    if (other != one) {
        found = std::memchr(begin, other, static_cast<std::size_t>(first - begin));
        first = found != nullptr ? static_cast<const char*>(found) : first;
    }
    return first;
}

// Whether the upper-cased text occurs in the value once the value is upper-cased too: the places
// where its first letter stands are found with memchr, and only there is the rest compared; the
// values are short, so they are compared where they stand rather than copied first.
bool occursIn(std::string_view value, const WantedText& wanted) {
    const std::string_view text = wanted.folded;
    if (text.empty()) {
        return true;
    }
    if (text.size() > value.size()) {
        return false;
    }
    const char* const startsEnd = value.data() + (value.size() - text.size() + 1);
    for (const char* start = value.data();; ++start) {
        start = findEither(start, startsEnd, text.front(), wanted.firstSmall);
        if (start == startsEnd) {
            return false;
        }
        std::size_t matched = 1;
        while (matched < text.size() && cp1252ToUpper(static_cast<unsigned char>(start[matched])) ==
                                            static_cast<unsigned char>(text[matched])) {
            ++matched;
        }
        if (matched == text.size()) {
            return true;
        }
    }
}

} // namespace

SearchResultParts searchResultParts(std::string_view record) {
    return {fieldOf(record, kResultStart), fieldOf(record, kResultEnd)};
}

namespace {

std::optional<ReadFailure> matchRecords(SearchCriterion criterion,
                                        std::optional<std::string_view> text,
                                        const std::filesystem::path& referenceFile,
                                        const SearchRecordSink& onMatch, Matching matching) {
    const bool loose = matching == Matching::Loose;
    const WantedText wanted =
        loose ? WantedText{looseText(text.value_or(""))} : wantedText(text.value_or(""));
    // Blanks fold into nothing else, and nothing folds into a blank, so a text with no blank at
    // either end occurs in a value exactly when it occurs in the value stripped: only other
    // texts need the stripping.
    const std::string& folded = wanted.folded;
    const bool stripping = folded.empty() || folded.front() == ' ' || folded.back() == ' ';
    std::string scratch;
    bool headerLine = true;
    return forEachLine(referenceFile, [&](std::string_view record) {
        const bool isHeaderLine = std::exchange(headerLine, false);
        if (!text) {
            return;
        }
        const std::string_view value = fieldValue(criterion, record, stripping, scratch);
        // A blank value matches nothing, not even an empty text.
        if (stripping && trimBlanks(value).empty()) {
            return;
        }
        if (loose ? looseText(value).find(folded) != std::string::npos : occursIn(value, wanted)) {
            onMatch({record, isHeaderLine});
        }
    });
}

} // namespace

std::optional<ReadFailure> forEachMatchingRecord(SearchCriterion criterion,
                                                 std::optional<std::string_view> text,
                                                 const std::filesystem::path& referenceFile,
                                                 const SearchRecordSink& onMatch,
                                                 Matching matching) {
    return reportingMemoryExhaustion(referenceFile, [&] {
        return matchRecords(criterion, text, referenceFile, onMatch, matching);
    });
}

Result<LineList> Cherche_Ref(SearchCriterion criterion, std::optional<std::string_view> text,
                             const std::filesystem::path& referenceFile,
                             const SearchRecordSink& onFound) {
    // The results found so far are freed before the failure is reported.
    return reportingMemoryExhaustion(referenceFile, [&]() -> Result<LineList> {
        LineList results;
        const auto failure = matchRecords(
            criterion, text, referenceFile,
            [&results, &onFound](const MatchingRecord& found) {
                const SearchResultParts parts = searchResultParts(found.line);
                results.append({parts.start, parts.end});
                if (onFound) {
                    onFound(found);
                }
            },
            Matching::Exact);
        if (failure) {
            return *failure;
        }
        return results;
    });
}

} // namespace orvel
