// The four listings compared with a deliberately plain reading of the record layout, on a
// generated file that holds every case the listings treat apart.

#include "data/cp1252.h"
#include "listing/collation.h"
#include "listing/listing.h"
#include "tests/support/reference_file_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace orvel {
namespace {

using testing::headerLine;
using testing::recordLine;
using testing::TemporaryProgramDirectory;

std::string trimmed(std::string text) {
    text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Columns from..from+width-1 of the record, as far as it goes.
std::string cut(const std::string& record, std::size_t from, std::size_t width) {
    return record.size() < from ? std::string() : record.substr(from - 1, width);
}

std::string fixed(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// The canton field read plainly: a number is its last four characters when the field ends in a
// digit; the name is what stands before, less `dropped` characters, cut or padded to 27.
std::pair<std::string, std::string> canton(const std::string& record, std::size_t dropped) {
    const std::string field = trimmed(cut(record, 107, 32));
    if (field.empty() || !std::isdigit(static_cast<unsigned char>(field.back()))) {
        return {field.empty() ? "    " : "----", fixed(field, 27)};
    }
    const std::size_t kept = field.size() - std::min(dropped, field.size());
    return {fixed(field.substr(field.size() - std::min<std::size_t>(4, field.size())), 4),
            fixed(trimmed(field.substr(0, kept)), 27)};
}

// A column of a listing line: a record field by its first column and width, or the canton
// number ('#') or name ('n'), followed by a blank unless joined to the next ('j').
struct Column {
    std::size_t from;
    std::size_t width;
    char kind = 'f';
};
constexpr Column kNumber{0, 0, '#'};
constexpr Column kName{0, 0, 'n'};
constexpr Column kNameJoined{0, 0, 'j'};

struct Order {
    ListingOrder order;
    std::vector<Column> columns;
    std::size_t dropped; // by the canton split
};

const Order kOrders[] = {
    {ListingOrder::Commune,
     {{4, 28}, {100, 6}, {33, 5}, {39, 6}, {46, 7}, {54, 28}, kNumber, kName, {83, 16}},
     5},
    {ListingOrder::Reference,
     {{33, 5}, {39, 6}, {46, 7}, {54, 28}, {83, 16}, {100, 6}, {4, 28}, kNumber},
     4},
    {ListingOrder::Canton,
     {kNumber, kNameJoined, {33, 5}, {39, 6}, {46, 7}, {54, 28}, {100, 6}, {4, 28}},
     4},
    {ListingOrder::PostalCode,
     {{100, 6}, {4, 28}, {33, 5}, {39, 6}, {46, 7}, {54, 28}, kNumber, kNameJoined},
     4},
};

std::string plainLine(const Order& order, const std::string& record) {
    const auto [number, name] = canton(record, order.dropped);
    std::string line;
    for (const Column& column : order.columns) {
        line += column.kind == 'f'   ? cut(record, column.from, column.width)
                : column.kind == '#' ? number
                                     : name;
        line += column.kind == 'j' ? "" : " ";
    }
    return line;
}

// Whether a chosen diploma leaves the record out as the order's placeholder.
bool placeholder(ListingOrder order, const std::string& record) {
    switch (order) {
    case ListingOrder::Commune:
        return trimmed(cut(record, 4, 28)) == "-----";
    case ListingOrder::Reference:
        return trimmed(cut(record, 39, 6)).empty();
    case ListingOrder::Canton:
        return canton(record, 4).first == "----";
    case ListingOrder::PostalCode:
        return trimmed(cut(record, 100, 6)) == "-----";
    }
    return false;
}

std::vector<std::string> plainListing(const Order& order, const std::vector<std::string>& lines,
                                      const std::string& diploma, const std::string& department) {
    std::vector<std::string> listed;
    for (const std::string& record : lines) {
        const bool diplomaMatches = diploma == "****" || (diploma == trimmed(cut(record, 33, 5)) &&
                                                          !placeholder(order.order, record));
        if ((department == "00" || department == cut(record, 100, 2)) && diplomaMatches) {
            listed.push_back(plainLine(order, record));
        }
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto& a, const auto& b) { return collate(a, b) < 0; });
    return listed;
}

// Records drawn from values that include every placeholder, cantons in and out of the format,
// a department 00, lower-case codes and lines cut short anywhere.
std::vector<std::string> generatedFile() {
    const std::vector<std::string> communes{
        "BREST",   "-----", "  -----", utf8ToCp1252("ÉPINAL"), "brest", utf8ToCp1252("CŒUVRES"),
        "COEUVRES"};
    const std::vector<std::string> diplomas{"DFCF", "DMF", "dfcf", "DAP", ""};
    const std::vector<std::string> references{"29-001", "", "12", "88-012"};
    const std::vector<std::string> postalCodes{"29200", "29000", "-----", "00100", " 9000", ""};
    const std::vector<std::string> cantons{"Brest-Centre 2905",
                                           "Paris",
                                           "",
                                           "Nord0107",
                                           "12",
                                           "0107",
                                           "Saint-Germain-des-Pres-Lointain",
                                           "Saint-Germain-des-Pres-Loint0512",
                                           "Saint-Germain-des-Fosses-Nd 0312",
                                           "Rue 12a"};
    std::mt19937 random(13);
    const auto any = [&random](const std::vector<std::string>& values) {
        return values[random() % values.size()];
    };
    std::vector<std::string> lines{headerLine("R\xE9vision 2026-12")};
    for (int i = 0; i < 300; ++i) {
        std::string record = recordLine({any(communes), any(diplomas), any(references), "Fort",
                                         "Fort " + std::to_string(i % 7), i % 3 ? "" : "01/05/2008",
                                         any(postalCodes), any(cantons)});
        lines.push_back(random() % 8 == 0 ? record.substr(0, random() % 138) : record);
    }
    return lines;
}

TEST(Listing, ListsWhatAPlainReadingOfTheRecordsLists) {
    TemporaryProgramDirectory directory;
    const std::vector<std::string> lines = generatedFile();
    const auto file = directory.writeLines(lines);
    for (const Order& order : kOrders) {
        for (const std::string diploma : {"****", "DFCF", "DMF", "dfcf", "DFCF ", "DAP"}) {
            for (const std::string department : {"00", "29", "--", "2", " 9", "29 "}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(order.order)) + " " + diploma + "/" +
                             department);
                const auto listing = buildListing(order.order, file, diploma, department);
                ASSERT_TRUE(listing.ok());
                std::vector<std::string> listed;
                for (std::size_t i = 0; i < listing.value().lines.size(); ++i) {
                    listed.emplace_back(listing.value().lines[i]);
                }
                EXPECT_EQ(listed, plainListing(order, lines, diploma, department));
                EXPECT_EQ(listing.value().listedCount, listed.size());
                EXPECT_EQ(listing.value().readCount, lines.size());
            }
        }
    }
}

// Nothing is kept between two listings: the next one reads what the file holds now.
TEST(Listing, CountCaptionOfTheFileAsItIsNow) {
    TemporaryProgramDirectory directory;
    const auto file = directory.writeLines({headerLine("R1"), recordLine({}), recordLine({})});
    const auto caption = [&file] {
        return countCaption(buildListing(ListingOrder::Canton, file, "DFCF", "00").value(), "DFCF");
    };
    EXPECT_EQ(caption(), "2 Rérérences DFCF sur 3");
    directory.writeLines({recordLine({.diploma = "DMF"})});
    EXPECT_EQ(caption(), "0 Rérérences DFCF sur 1");
    EXPECT_EQ(noMatchMessage("dfcf"), "Aucune références dfcf trouvées");
}

} // namespace
} // namespace orvel
