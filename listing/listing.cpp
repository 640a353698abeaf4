#include "listing/listing.h"

#include "data/catalogue.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/collation.h"

#include <algorithm>
#include <array>
#include <vector>

namespace orvel {
namespace {

constexpr std::size_t kCantonNameWidth = 27;

// One column of a listing line: a record field, or one of the two parts of the canton split.
struct Piece {
    enum class Kind { RecordField, CantonNumber, CantonName };
    Kind kind;
    Field field{0, 0};
    bool blankAfter = true;
};

// The record that a listing leaves out when a diploma is chosen.
enum class Placeholder { NoCommune, NoReference, UnnumberedCanton, NoPostalCode };

struct Layout {
    std::array<Piece, 9> pieces{};
    std::size_t pieceCount = 0;
    NumberCut cut = NumberCut::NumberOnly;
    Placeholder placeholder = Placeholder::NoCommune;
    ListingCaptions captions;
    ListingMode mode = ListingMode::None;
};

constexpr Piece field(Field f) {
    return Piece{Piece::Kind::RecordField, f, true};
}
constexpr Piece kCantonNumber{Piece::Kind::CantonNumber};
constexpr Piece kCantonName{Piece::Kind::CantonName};
constexpr Piece kCantonNameJoined{Piece::Kind::CantonName, Field{0, 0}, false};

const Layout kCommuneLayout{
    {field(fields::kCommune), field(fields::kPostalCode), field(fields::kDiploma),
     field(fields::kReference), field(fields::kActivityType), field(fields::kActivityName),
     kCantonNumber, kCantonName, field(fields::kObservation)},
    9,
    NumberCut::NumberAndBlank,
    Placeholder::NoCommune,
    {"                    Nom Commune                              CP           Reference       "
     "           Nom Activité                                                           Canton  "
     "          Nom Canton",
     "par nom de Communes"},
    ListingMode::Commune};

const Layout kReferenceLayout{
    {field(fields::kDiploma), field(fields::kReference), field(fields::kActivityType),
     field(fields::kActivityName), field(fields::kObservation), field(fields::kPostalCode),
     field(fields::kCommune), kCantonNumber},
    8,
    NumberCut::NumberOnly,
    Placeholder::NoReference,
    {"        Reference                 Nom Reference                                           "
     "           1er activation                      CP                 Nom Commune             "
     "                   N° Canton",
     "par N° de Références"},
    ListingMode::Reference};

const Layout kCantonLayout{
    {kCantonNumber, kCantonNameJoined, field(fields::kDiploma), field(fields::kReference),
     field(fields::kActivityType), field(fields::kActivityName), field(fields::kPostalCode),
     field(fields::kCommune)},
    8,
    NumberCut::NumberOnly,
    Placeholder::UnnumberedCanton,
    {"   Canton        Nom Canton                                            Reference          "
     "       Nom Reference                                                      CP              "
     "Nom Commune",
     "par N° de Cantons"},
    ListingMode::Canton};

const Layout kPostalCodeLayout{
    {field(fields::kPostalCode), field(fields::kCommune), field(fields::kDiploma),
     field(fields::kReference), field(fields::kActivityType), field(fields::kActivityName),
     kCantonNumber, kCantonNameJoined},
    8,
    NumberCut::NumberOnly,
    Placeholder::NoPostalCode,
    {"        CP            Nom Commune                                      Reference          "
     "       Nom Reference                                                          Canton      "
     "         Nom Canton",
     "par N° de Code Postal"},
    ListingMode::Canton};

const Layout& layoutOf(ListingOrder order) {
    switch (order) {
    case ListingOrder::Commune:
        return kCommuneLayout;
    case ListingOrder::Reference:
        return kReferenceLayout;
    case ListingOrder::Canton:
        return kCantonLayout;
    case ListingOrder::PostalCode:
        break;
    }
    return kPostalCodeLayout;
}

// Appends text cut or padded with blanks to exactly width characters.
void appendFixed(std::string& out, std::string_view text, std::size_t width) {
    const std::size_t kept = std::min(text.size(), width);
    out.append(text.substr(0, kept));
    out.append(width - kept, ' ');
}

void appendLine(std::string& out, const Layout& layout, std::string_view record) {
    const CantonSplit canton = splitCanton(record, layout.cut);
    for (std::size_t i = 0; i < layout.pieceCount; ++i) {
        const Piece& piece = layout.pieces[i];
        switch (piece.kind) {
        case Piece::Kind::RecordField:
            out.append(fieldOf(record, piece.field));
            break;
        case Piece::Kind::CantonNumber:
            // A numbered field shorter than four characters is outside the format: its
            // number is padded so that the columns after it stay in place.
            appendFixed(out, canton.kind == CantonSplit::Kind::Unnumbered ? "----" : canton.number,
                        4);
            break;
        case Piece::Kind::CantonName:
            // Longer names are outside the format and are cut to the column's width.
            appendFixed(out, canton.name, kCantonNameWidth);
            break;
        }
        if (piece.blankAfter) {
            out += ' ';
        }
    }
}

bool placeholderAbsent(Placeholder placeholder, std::string_view record) {
    switch (placeholder) {
    case Placeholder::NoCommune:
        return trimBlanks(fieldOf(record, fields::kCommune)) != "-----";
    case Placeholder::NoReference:
        return !trimBlanks(fieldOf(record, fields::kReference)).empty();
    case Placeholder::UnnumberedCanton:
        return splitCanton(record, NumberCut::NumberOnly).kind != CantonSplit::Kind::Unnumbered;
    case Placeholder::NoPostalCode:
        break;
    }
    return trimBlanks(fieldOf(record, fields::kPostalCode)) != "-----";
}

// The four tests of a listing, joined: a record that passes several is still listed once.
bool isListed(const Layout& layout, std::string_view record, std::string_view diploma,
              std::string_view wantedDepartment) {
    const bool departmentMatches =
        wantedDepartment == kEveryDepartment || wantedDepartment == department(record);
    if (!departmentMatches) {
        return false;
    }
    if (diploma == kEveryDiploma) {
        return true;
    }
    return diploma == diplomaCode(record) && placeholderAbsent(layout.placeholder, record);
}

} // namespace

ListingCaptions captionsOf(ListingOrder order) {
    return layoutOf(order).captions;
}

ListingMode modeRecordedBy(ListingOrder order) {
    return layoutOf(order).mode;
}

std::string listingLine(ListingOrder order, std::string_view record) {
    std::string line;
    appendLine(line, layoutOf(order), record);
    return line;
}

namespace {

Result<Listing> readListing(ListingOrder listingOrder, const std::filesystem::path& referenceFile,
                            std::string_view diploma, std::string_view department,
                            KeepRecords keepRecords, const LineObserver& onEveryLine) {
    const Layout& layout = layoutOf(listingOrder);
    Listing listing;
    std::string line;
    const auto failure = forEachLine(referenceFile, [&](std::string_view record) {
        if (isListed(layout, record, diploma, department)) {
            line.clear();
            appendLine(line, layout, record);
            listing.lines.append(line);
            if (keepRecords == KeepRecords::Yes) {
                listing.records.append(listing.readCount == 0 ? std::string_view() : record);
            }
            ++listing.listedCount;
        }
        ++listing.readCount;
        if (onEveryLine) {
            onEveryLine(record);
        }
    });
    if (failure) {
        return *failure;
    }
    const std::vector<std::size_t> order = sortOrder(listing.lines);
    listing.lines.reorder(order);
    if (keepRecords == KeepRecords::Yes) {
        listing.records.reorder(order);
    }
    return listing;
}

} // namespace

Result<Listing> buildListing(ListingOrder listingOrder, const std::filesystem::path& referenceFile,
                             std::string_view diploma, std::string_view department,
                             KeepRecords keepRecords, const LineObserver& onEveryLine) {
    return reportingMemoryExhaustion(referenceFile, [&] {
        return readListing(listingOrder, referenceFile, diploma, department, keepRecords,
                           onEveryLine);
    });
}

std::string countCaption(const Listing& listing, std::string_view diplomaUtf8) {
    return std::to_string(listing.listedCount) + " Rérérences " + std::string(diplomaUtf8) +
           " sur " + std::to_string(listing.readCount);
}

std::string noMatchMessage(std::string_view diplomaUtf8) {
    return "Aucune références " + std::string(diplomaUtf8) + " trouvées";
}

} // namespace orvel
