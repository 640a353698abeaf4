// Any line: the detail cutter gives nine trimmed fields inside the line and within their columns,
// and each shows as UTF-8 that converts back to the same bytes.

#include "data/cp1252.h"
#include "listing/detail_fields.h"
#include "tests/fuzz/fuzz_support.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

using orvel::fuzz::require;

bool hasUndefinedByte(std::string_view text) {
    for (const char c : text) {
        if (orvel::cp1252ToUnicode(static_cast<unsigned char>(c)) == 0xFFFD) {
            return true;
        }
    }
    return false;
}

void checkField(std::string_view line, std::string_view field, std::size_t width) {
    require(field.size() <= width, "a field keeps within its columns");
    require(field.empty() ||
                (field.data() >= line.data() && field.data() + field.size() <= line.end()),
            "a field is a part of the line");
    require(field.empty() || (field.front() != ' ' && field.back() != ' '), "a field is trimmed");
    const std::string shown = orvel::cp1252ToUtf8(field);
    require(orvel::fuzz::isValidUtf8(shown), "a field shows as UTF-8");
    require(hasUndefinedByte(field) || orvel::utf8ToCp1252(shown) == field,
            "a field converts back to its bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const orvel::DetailFields detail = orvel::cutCommuneLine(line);
    const std::array<std::pair<std::string_view, std::size_t>, 9> fields = {{
        {detail.commune, 28},
        {detail.postalCode, 6},
        {detail.diploma, 5},
        {detail.reference, 6},
        {detail.activityType, 7},
        {detail.activityName, 28},
        {detail.cantonName, 27},
        {detail.cantonNumber, 4},
        {detail.observation, 17},
    }};
    for (const auto& [field, width] : fields) {
        checkField(line, field, width);
    }
    return 0;
}
