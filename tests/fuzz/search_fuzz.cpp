// Any file, criterion and text: the search never fails on a readable file and finds exactly what a
// plain reading finds: both sides upper-cased, then the text looked for in the stripped value.

#include "data/cp1252.h"
#include "data/reference_file.h"
#include "search/search_engine.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace orvel;
using fuzz::require;

namespace {

std::string upper(std::string_view text) {
    std::string result;
    for (const char c : text) {
        result += static_cast<char>(kCp1252Upper[static_cast<unsigned char>(c)]);
    }
    return result;
}

// The value compared, by criterion: the activity joins its type and name with a blank.
std::string plainValue(SearchCriterion criterion, std::string_view line) {
    const Field compared[] = {fields::kCommune, fields::kPostalCode, fields::kActivityType,
                              fields::kReference, fields::kCanton};
    const std::string value(trimBlanks(fieldOf(line, compared[static_cast<int>(criterion) - 1])));
    return criterion == SearchCriterion::Activity
               ? value + ' ' + std::string(trimBlanks(fieldOf(line, fields::kActivityName)))
               : value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto criterion = static_cast<SearchCriterion>(input.ConsumeIntegralInRange(1, 5));
    const std::string text = input.ConsumeRandomLengthString(40);
    const auto& file = fuzz::asReferenceFile(input.ConsumeRemainingBytesAsString());

    const Result<LineList> found = Cherche_Ref(criterion, text, file);
    require(found.ok(), "a readable file is searched");
    std::size_t next = 0;
    forEachLine(file, [&](std::string_view line) {
        const std::string value = plainValue(criterion, line);
        if (line.empty() || trimBlanks(value).empty() ||
            upper(value).find(upper(text)) == std::string::npos) {
            return;
        }
        const std::string shown =
            std::string(fieldOf(line, kResultStart)) + std::string(fieldOf(line, kResultEnd));
        require(
            next < found.value().size() && found.value()[next++] == shown,
            "the search finds the lines that hold the text, upper-cased, in the stripped value");
    });
    require(next == found.value().size(), "the search finds nothing else");
    return 0;
}
