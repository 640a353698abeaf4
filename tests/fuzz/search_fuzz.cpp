// Any file, criterion and text: the search never fails on a readable file, its lines stay within
// their layout, letter case of the text does not matter, and a shorter text finds at least as much.

#include "data/cp1252.h"
#include "search/search_engine.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace orvel;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto criterion = static_cast<SearchCriterion>(input.ConsumeIntegralInRange(1, 5));
    const std::string text = input.ConsumeRandomLengthString(40);
    const auto& file = fuzz::asReferenceFile(input.ConsumeRemainingBytesAsString());
    const auto search = [&](std::string_view asked) {
        Result<LineList> result = Cherche_Ref(criterion, asked, file);
        require(result.ok(), "a readable file is searched");
        return std::move(result.value());
    };

    const LineList found = search(text);
    std::string upper;
    for (const char c : text) {
        upper += static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    const LineList foundUpper = search(upper);
    require(foundUpper.size() == found.size(), "the case of the text is ignored");
    for (std::size_t i = 0; i < found.size(); ++i) {
        require(found[i].size() <= kResultLineLength, "no result line is longer than its layout");
        require(fuzz::isValidUtf8(cp1252ToUtf8(found[i])), "a result line shows as UTF-8");
        require(foundUpper[i] == found[i], "the case of the text is ignored");
    }
    require(text.empty() || search(text.substr(0, text.size() - 1)).size() >= found.size(),
            "a shorter text finds at least as much");
    return 0;
}
