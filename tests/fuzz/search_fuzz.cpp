// Any file, criterion and text: the search never fails on a readable file and finds exactly what
// the plain search finds.

#include "data/reference_file.h"
#include "search/search_engine.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/plain_search.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace orvel;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto criterion = static_cast<SearchCriterion>(input.ConsumeIntegralInRange(1, 5));
    const std::string text = input.ConsumeRandomLengthString(40);
    const auto& file = fuzz::asReferenceFile(input.ConsumeRemainingBytesAsString());

    const Result<LineList> found = Cherche_Ref(criterion, text, file);
    require(found.ok(), "a readable file is searched");
    std::vector<std::string> lines;
    forEachLine(file, [&lines](std::string_view line) { lines.emplace_back(line); });
    const std::vector<std::string> expected = testing::plainSearch(criterion, text, lines);
    require(expected.size() == found.value().size(), "the search finds what the plain one finds");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        require(found.value()[i] == expected[i], "the search finds what the plain one finds");
    }
    return 0;
}
