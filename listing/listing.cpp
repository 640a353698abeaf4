#include "listing/listing.h"

#include "data/catalogue.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/collation.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace orvel {
namespace {

// The longest line of a layout: every piece at its full width, and its blank.
constexpr std::size_t longestLine(const Layout& layout) {
    std::size_t length = 0;
    for (const Piece& piece : layout.pieces) {
        length += piece.width() + (piece.blankAfter ? 1 : 0);
    }
    return length;
}

constexpr std::size_t kLongestLine = [] {
    std::size_t longest = 0;
    for (const ListingOrderRow& row : kListingOrders) {
        longest = std::max(longest, longestLine(row.layout));
    }
    return longest;
}();

// A line is written into a buffer of fixed size rather than a string that checks its room at
// every piece: a listing writes tens of thousands.
using LineBuffer = std::array<char, kLongestLine>;

char* writeText(char* out, std::string_view text) {
    if (!text.empty()) {
        std::memcpy(out, text.data(), text.size());
    }
    return out + text.size();
}

// Writes text cut or padded with blanks to exactly width characters.
char* writeFixed(char* out, std::string_view text, std::size_t width) {
    const std::size_t kept = std::min(text.size(), width);
    out = writeText(out, text.substr(0, kept));
    std::memset(out, ' ', width - kept);
    return out + (width - kept);
}

std::string_view writeLine(LineBuffer& buffer, const Layout& layout, std::string_view record) {
    const CantonSplit canton = splitCanton(record, layout.cut);
    char* out = buffer.data();
    for (const Piece& piece : layout.pieces) {
        switch (piece.kind) {
        case Piece::Kind::RecordField:
            out = writeText(out, fieldOf(record, piece.field));
            break;
        case Piece::Kind::CantonNumber:
            // A numbered field shorter than four characters is outside the format: its
            // number is padded so that the columns after it stay in place.
            out = writeFixed(out,
                             canton.kind == CantonSplit::Kind::Unnumbered ? "----" : canton.number,
                             piece.width());
            break;
        case Piece::Kind::CantonName:
            // Longer names are outside the format and are cut to the column's width.
            out = writeFixed(out, canton.name, piece.width());
            break;
        }
        if (piece.blankAfter) {
            *out++ = ' ';
        }
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
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

std::string listingLine(ListingOrder order, std::string_view record) {
    LineBuffer buffer;
    return std::string(writeLine(buffer, rowOf(order).layout, record));
}

namespace {

Result<Listing> readListing(ListingOrder listingOrder, const std::filesystem::path& referenceFile,
                            std::optional<std::string_view> diploma,
                            std::optional<std::string_view> department, KeepRecords keepRecords,
                            const LineObserver& onEveryLine) {
    const bool findsNothing = !diploma || !department;
    const Layout& layout = rowOf(listingOrder).layout;
    Listing listing;
    LineBuffer buffer;
    bool headerListed = false;
    const auto failure = forEachLine(referenceFile, [&](std::string_view record) {
        if (!findsNothing && isListed(layout, record, *diploma, *department)) {
            headerListed = headerListed || listing.readCount == 0;
            listing.lines.append(writeLine(buffer, layout, record));
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
    // The header line is read first, so it is the first line listed when it is listed at all.
    if (headerListed) {
        listing.headerLine =
            static_cast<std::size_t>(std::find(order.begin(), order.end(), 0) - order.begin());
    }
    if (keepRecords == KeepRecords::Yes) {
        listing.records.reorder(order);
    }
    return listing;
}

} // namespace

Result<Listing> buildListing(ListingOrder listingOrder, const std::filesystem::path& referenceFile,
                             std::optional<std::string_view> diploma,
                             std::optional<std::string_view> department, KeepRecords keepRecords,
                             const LineObserver& onEveryLine) {
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
