// Any file, criterion and text: the search never fails on a readable file, its lines stay within
// their layout, letter case of the text does not matter, and a shorter text finds at least as much.

#include "data/cp1252.h"
#include "search/search_engine.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

using namespace orvel;
using fuzz::isValidUtf8;
using fuzz::require;

LineList search(SearchCriterion criterion, std::string_view text,
                const std::filesystem::path& file) {
    Result<LineList> result = Cherche_Ref(criterion, text, file);
    require(result.ok(), "a readable file is searched");
    return std::move(result.value());
}

bool sameLines(const LineList& a, const LineList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto criterion = static_cast<SearchCriterion>(input.ConsumeIntegralInRange(1, 5));
    const std::string text = input.ConsumeRandomLengthString(40);
    const std::filesystem::path& file =
        fuzz::inputFile().write(input.ConsumeRemainingBytesAsString());

    const LineList found = search(criterion, text, file);
    for (std::size_t i = 0; i < found.size(); ++i) {
        require(found[i].size() <= kResultLineLength, "no result line is longer than its layout");
        require(isValidUtf8(cp1252ToUtf8(found[i])), "a result line shows as UTF-8");
    }

    std::string upper;
    for (const char c : text) {
        upper += static_cast<char>(cp1252ToUpper(static_cast<unsigned char>(c)));
    }
    require(sameLines(search(criterion, upper, file), found), "the case of the text is ignored");
    if (!text.empty()) {
        const std::string_view shorter = std::string_view(text).substr(0, text.size() - 1);
        require(search(criterion, shorter, file).size() >= found.size(),
                "a shorter text finds at least as much");
    }
    return 0;
}
