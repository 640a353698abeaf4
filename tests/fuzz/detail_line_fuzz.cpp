// Any line: the detail cutter gives nine trimmed fields inside the line and within their columns,
// and each shows as UTF-8 that converts back to the same bytes.

#include "data/cp1252.h"
#include "listing/detail_fields.h"
#include "tests/fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using orvel::fuzz::require;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const orvel::DetailFields d = orvel::cutCommuneLine(line);
    for (const auto& [field, width] : {std::pair{d.commune, 28},
                                       {d.postalCode, 6},
                                       {d.diploma, 5},
                                       {d.reference, 6},
                                       {d.activityType, 7},
                                       {d.activityName, 28},
                                       {d.cantonName, 27},
                                       {d.cantonNumber, 4},
                                       {d.observation, 17}}) {
        require(field.size() <= static_cast<std::size_t>(width),
                "a field keeps within its columns");
        require(field.empty() || (field.data() >= line.data() && field.end() <= line.end() &&
                                  field.front() != ' ' && field.back() != ' '),
                "a field is a trimmed part of the line");
        const std::string shown = orvel::cp1252ToUtf8(field);
        require(orvel::fuzz::isValidUtf8(shown), "a field shows as UTF-8");
        require(orvel::utf8ToCp1252(shown) == field ||
                    std::ranges::any_of(field,
                                        [](char c) {
                                            return orvel::cp1252ToUnicode(
                                                       static_cast<unsigned char>(c)) == 0xFFFD;
                                        }),
                "a field converts back to its bytes");
    }
    return 0;
}
