#include "listing/detail_fields.h"

#include "listing/listing_orders.h"

namespace orvel {

DetailFields cutCommuneLine(std::string_view line) {
    const Layout& layout = rowOf(ListingOrder::Commune).layout;
    const auto cut = [&](const Piece& piece) {
        Field columns = columnsOf(layout, piece);
        // The last column reads on to the line's end, over the blank that closes it.
        if (piece == layout.pieces.back()) {
            ++columns.width;
        }
        return trimBlanks(fieldOf(line, columns));
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
