#include "listing/detail_fields.h"

#include "listing/listing_orders.h"

namespace orvel {

DetailFields cutCommuneLine(std::string_view line) {
    const Layout& layout = rowOf(ListingOrder::Commune).layout;
    const auto cut = [&](const Piece& piece) {
        return trimBlanks(fieldOf(line, columnsOf(layout, piece)));
    };
    return DetailFields{
        cut(recordField(fields::kCommune)),
        cut(recordField(fields::kPostalCode)),
        cut(recordField(fields::kDiploma)),
        cut(recordField(fields::kReference)),
        cut(recordField(fields::kActivityType)),
        cut(recordField(fields::kActivityName)),
        cut(kCantonName),
        cut(kCantonNumber),
        cut(recordField(fields::kObservation)),
    };
}

} // namespace orvel
