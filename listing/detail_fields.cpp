#include "listing/detail_fields.h"

#include "data/record.h"

namespace orvel {
namespace {

std::string_view cut(std::string_view line, std::size_t column, std::size_t width) {
    return trimBlanks(fieldOf(line, Field{column, width}));
}

} // namespace

DetailFields cutCommuneLine(std::string_view line) {
    return DetailFields{
        cut(line, 1, 28),  cut(line, 30, 6), cut(line, 37, 5),
        cut(line, 43, 6),  cut(line, 50, 7), cut(line, 58, 28),
        cut(line, 92, 27), cut(line, 87, 4), cut(line, 120, 17),
    };
}

} // namespace orvel
