#pragma once

#include "data/line_list.h"
#include "data/read_failure.h"
#include "data/record.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// The field a search compares; the numbers are those of the search window's options.
enum class SearchCriterion { Commune = 1, PostalCode, Activity, Reference, Canton };

// What the result list shows of a record: its characters 4 to 82, then 100 to 138.
inline constexpr Field kResultStart{4, 79};
inline constexpr Field kResultEnd{100, 39};
inline constexpr std::size_t kResultLineLength = kResultStart.width + kResultEnd.width;

struct SearchResultParts {
    std::string_view start;
    std::string_view end;
};
SearchResultParts searchResultParts(std::string_view record);

// A line that the search found. The header line (the file's first) is searched like a record
// but holds none of a record's fields.
struct MatchingRecord {
    std::string_view line;
    bool isHeaderLine;
};

using SearchRecordSink = std::function<void(const MatchingRecord&)>;

// Every non-empty line of the reference file whose compared value contains the text, upper-cased
// but not stripped, as result lines in file order. Text and lines are Windows-1252. A text given
// as none holds a character that Windows-1252 lacks: no record can hold it, so it finds nothing,
// but the file is read all the same and a failure to read it reported. onFound, when given, is
// shown each line found as its result line is kept.
Result<LineList> Cherche_Ref(SearchCriterion criterion, std::optional<std::string_view> text,
                             const std::filesystem::path& referenceFile,
                             const SearchRecordSink& onFound = {});

// How the text is compared: as the search window does (case ignored, accents kept), or loosely,
// with case, accents and ligatures folded on both sides as the listings' order folds them.
enum class Matching { Exact, Loose };

// The same search, handing each matching line over instead of keeping it: for a caller that
// writes the results out at once.
std::optional<ReadFailure> forEachMatchingRecord(SearchCriterion criterion,
                                                 std::optional<std::string_view> text,
                                                 const std::filesystem::path& referenceFile,
                                                 const SearchRecordSink& onMatch,
                                                 Matching matching = Matching::Exact);

} // namespace orvel
