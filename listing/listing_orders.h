#pragma once

#include "data/record.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace orvel {

// The four orders of the main window's list.
enum class ListingOrder { Commune, Reference, Canton, PostalCode };

// Mode_Affichage: which listing the main window's list holds.
enum class ListingMode { None, Commune, Reference, Canton };

// One column of a listing line: a record field, or one of the two parts of the canton split.
struct Piece {
    enum class Kind { RecordField, CantonNumber, CantonName };
    Kind kind;
    Field field{0, 0};
    bool blankAfter = true;

    // Characters the column takes in the line, its blank aside. A record field keeps what the
    // record has of it; the canton parts are cut or padded to their width.
    [[nodiscard]] constexpr std::size_t width() const {
        switch (kind) {
        case Kind::RecordField:
            return field.width;
        case Kind::CantonNumber:
            return 4;
        case Kind::CantonName:
            break;
        }
        return 27;
    }
    constexpr bool operator==(const Piece&) const = default;
};

constexpr Piece recordField(Field field) {
    return Piece{Piece::Kind::RecordField, field, true};
}
inline constexpr Piece kCantonNumber{Piece::Kind::CantonNumber};
inline constexpr Piece kCantonName{Piece::Kind::CantonName};
inline constexpr Piece kCantonNameJoined{Piece::Kind::CantonName, Field{0, 0}, false};

// The record that a listing leaves out when a diploma is chosen.
enum class Placeholder { NoCommune, NoReference, UnnumberedCanton, NoPostalCode };

// The columns of a listing line, in order, and how its records are chosen.
struct Layout {
    std::span<const Piece> pieces;
    NumberCut cut = NumberCut::NumberOnly;
    Placeholder placeholder = Placeholder::NoCommune;
};

// Where a piece stands in a line of the layout (1-based column) and how wide it is there.
constexpr Field columnsOf(const Layout& layout, const Piece& wanted) {
    std::size_t column = 1;
    for (const Piece& piece : layout.pieces) {
        if (piece == wanted) {
            return Field{column, piece.width()};
        }
        column += piece.width() + (piece.blankAfter ? 1 : 0);
    }
    return Field{column, 0};
}

// One listing order as the engine knows it; the windows' captions and the printed page's header
// live with the windows and the printer.
struct ListingOrderRow {
    ListingOrder order;
    std::string_view commandName; // orvel-query list <name>
    ListingMode mode;             // what the main window records it as
    Layout layout;
};

inline constexpr Piece kCommunePieces[] = {recordField(fields::kCommune),
                                           recordField(fields::kPostalCode),
                                           recordField(fields::kDiploma),
                                           recordField(fields::kReference),
                                           recordField(fields::kActivityType),
                                           recordField(fields::kActivityName),
                                           kCantonNumber,
                                           kCantonName,
                                           recordField(fields::kObservation)};
inline constexpr Piece kReferencePieces[] = {
    recordField(fields::kDiploma),      recordField(fields::kReference),
    recordField(fields::kActivityType), recordField(fields::kActivityName),
    recordField(fields::kObservation),  recordField(fields::kPostalCode),
    recordField(fields::kCommune),      kCantonNumber};
inline constexpr Piece kCantonPieces[] = {kCantonNumber,
                                          kCantonNameJoined,
                                          recordField(fields::kDiploma),
                                          recordField(fields::kReference),
                                          recordField(fields::kActivityType),
                                          recordField(fields::kActivityName),
                                          recordField(fields::kPostalCode),
                                          recordField(fields::kCommune)};
inline constexpr Piece kPostalCodePieces[] = {recordField(fields::kPostalCode),
                                              recordField(fields::kCommune),
                                              recordField(fields::kDiploma),
                                              recordField(fields::kReference),
                                              recordField(fields::kActivityType),
                                              recordField(fields::kActivityName),
                                              kCantonNumber,
                                              kCantonNameJoined};

// In the order of the main window's buttons, each row at the index of its order. The postal-code
// listing records the canton mode.
inline constexpr std::array<ListingOrderRow, 4> kListingOrders{{
    {ListingOrder::Commune,
     "commune",
     ListingMode::Commune,
     {kCommunePieces, NumberCut::NumberAndBlank, Placeholder::NoCommune}},
    {ListingOrder::Reference,
     "reference",
     ListingMode::Reference,
     {kReferencePieces, NumberCut::NumberOnly, Placeholder::NoReference}},
    {ListingOrder::Canton,
     "canton",
     ListingMode::Canton,
     {kCantonPieces, NumberCut::NumberOnly, Placeholder::UnnumberedCanton}},
    {ListingOrder::PostalCode,
     "postal",
     ListingMode::Canton,
     {kPostalCodePieces, NumberCut::NumberOnly, Placeholder::NoPostalCode}},
}};

constexpr const ListingOrderRow& rowOf(ListingOrder order) {
    return kListingOrders.at(static_cast<std::size_t>(order));
}

static_assert([] {
    for (std::size_t i = 0; i < kListingOrders.size(); ++i) {
        if (kListingOrders.at(i).order != static_cast<ListingOrder>(i)) {
            return false;
        }
    }
    return true;
}());

} // namespace orvel
