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

std::string stripped(std::string_view line, Field field) {
    return std::string(trimBlanks(fieldOf(line, field)));
}

std::string plainValue(SearchCriterion criterion, std::string_view line) {
    switch (criterion) {
    case SearchCriterion::Commune:
        return stripped(line, fields::kCommune);
    case SearchCriterion::PostalCode:
        return stripped(line, fields::kPostalCode);
    case SearchCriterion::Activity:
        return stripped(line, fields::kActivityType) + ' ' + stripped(line, fields::kActivityName);
    case SearchCriterion::Reference:
        return stripped(line, fields::kReference);
    case SearchCriterion::Canton:
        break;
    }
    return stripped(line, fields::kCanton);
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
        require(
            next < found.value().size() &&
                found.value()[next++] == std::string(fieldOf(line, kResultStart)) +
                                             std::string(fieldOf(line, kResultEnd)),
            "the search finds the lines that hold the text, upper-cased, in the stripped value");
    });
    require(next == found.value().size(), "the search finds nothing else");
    for (std::size_t i = 0; i < next; ++i) {
        require(fuzz::isValidUtf8(cp1252ToUtf8(found.value()[i])), "a result line shows as UTF-8");
    }
    return 0;
}
