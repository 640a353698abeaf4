// The four listings compared with a deliberately plain reading of the record layout, on a
// generated file that holds every case the listings treat apart.

#include "data/cp1252.h"
#include "data/utf8.h"
#include "listing/collation.h"
#include "listing/listing.h"
#include "tests/support/reference_file_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace orvel {
namespace {

using testing::recordLine;

std::string trimmed(std::string text) {
    text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
    return text.erase(text.find_last_not_of(' ') + 1);
}

// Columns from..from+width-1 of the record, as far as it goes.
std::string cut(const std::string& record, std::size_t from, std::size_t width) {
    return record.size() < from ? std::string() : record.substr(from - 1, width);
}

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// The canton number and name: the field's last four characters when it ends in a digit, and
// what stands before them less `dropped` characters, cut or padded to 27.
std::pair<std::string, std::string> canton(const std::string& record, std::size_t dropped) {
    const std::string field = trimmed(cut(record, 107, 32));
    if (field.empty() || field.back() < '0' || field.back() > '9') {
        return {field.empty() ? "    " : "----", padded(field, 27)};
    }
    const std::size_t numberAt = field.size() - std::min<std::size_t>(4, field.size());
    return {padded(field.substr(numberAt), 4),
            padded(trimmed(field.substr(0, field.size() - std::min(dropped, field.size()))), 27)};
}

// A listing's columns: a record field by first column and width, or the canton number (width
// 0) or name (width 1, or 2 when no blank follows it); the first column but in the reference
// order holds the placeholder that a chosen diploma leaves out.
struct Order {
    ListingOrder order;
    std::vector<std::pair<std::size_t, std::size_t>> columns;
};
using enum ListingOrder;
const Order kOrders[] = {
    {Commune, {{4, 28}, {100, 6}, {33, 5}, {39, 6}, {46, 7}, {54, 28}, {0, 0}, {0, 1}, {83, 16}}},
    {Reference, {{33, 5}, {39, 6}, {46, 7}, {54, 28}, {83, 16}, {100, 6}, {4, 28}, {0, 0}}},
    {Canton, {{0, 0}, {0, 2}, {33, 5}, {39, 6}, {46, 7}, {54, 28}, {100, 6}, {4, 28}}},
    {PostalCode, {{100, 6}, {4, 28}, {33, 5}, {39, 6}, {46, 7}, {54, 28}, {0, 0}, {0, 2}}},
};

std::string plainLine(const Order& order, const std::string& record) {
    // The commune listing drops the blank before the canton number as well.
    const auto [number, name] = canton(record, order.order == Commune ? 5 : 4);
    std::string line;
    for (const auto& [from, width] : order.columns) {
        line += from != 0 ? cut(record, from, width) : width == 0 ? number : name;
        line += width == 2 ? "" : " ";
    }
    return line;
}

// A chosen diploma leaves out the placeholder of the order: no commune, no reference number, a
// canton without number, no postal code.
bool placeholder(const Order& order, const std::string& record) {
    const auto [from, width] = order.columns[order.order == Reference ? 1 : 0];
    const std::string value =
        from == 0 ? canton(record, 4).first : trimmed(cut(record, from, width));
    return value == (order.order == Reference ? "" : from == 0 ? "----" : "-----");
}

// The lines listed, each with its record (none behind the header line), in list order.
using Listed = std::vector<std::pair<std::string, std::string>>;

// A text the file cannot hold (none) finds nothing.
Listed plainListing(const Order& order, const std::vector<std::string>& lines,
                    const std::optional<std::string>& diploma,
                    const std::optional<std::string>& department) {
    Listed listed;
    for (const std::string& record : lines) {
        if (diploma && department && (department == "00" || department == cut(record, 100, 2)) &&
            (diploma == "****" ||
             (diploma == trimmed(cut(record, 33, 5)) && !placeholder(order, record)))) {
            listed.emplace_back(plainLine(order, record), &record == &lines[0] ? "" : record);
        }
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto& a, const auto& b) { return collate(a.first, b.first) < 0; });
    return listed;
}

// Records drawn from values that include every placeholder, cantons in and out of the format,
// a department 00, lower-case codes, and lines cut short anywhere.
std::vector<std::string> generatedFile() {
    const std::vector<std::vector<std::string>> values{
        {"BREST", "-----", "  -----", utf8ToCp1252("ÉPINAL"), "brest", utf8ToCp1252("CŒUVRES")},
        {"DFCF", "DMF", "dfcf", "DAP", ""},
        {"29-001", "", "12", "88-012"},
        {"29200", "29000", "-----", "00100", " 9000", ""},
        {"Brest-Centre 2905", "Paris", "", "Nord0107", "12", "0107", "Rue 12a", "Rue 12/",
         "Rue 12:", "Saint-Germain-des-Pres-Lointain", "Saint-Germain-des-Pres-Loint0512",
         "Saint-Germain-des-Fosses-Nd 0312"}};
    std::mt19937 random(13);
    const auto any = [&](std::size_t kind) { return values[kind][random() % values[kind].size()]; };
    std::vector<std::string> lines{testing::headerLine("R\xE9vision 2026-12")};
    for (int i = 0; i < 400; ++i) {
        const std::string record =
            recordLine({any(0), any(1), any(2), "Fort", "Fort " + std::to_string(i % 7),
                        i % 3 ? "" : "01/05/2008", any(3), any(4)});
        lines.push_back(random() % 8 == 0 ? record.substr(0, random() % 138) : record);
    }
    return lines;
}

// A Windows-1252 text holding a UTF-8 character by mistake is told apart.
static_assert(holdsNoUtf8("R\xE9"
                          "f\xE9rences \x80") &&
              !holdsNoUtf8("Activit\xC3\xA9") && !holdsNoUtf8("\x80\x80"));

TEST(Listing, ListsWhatAPlainReadingOfTheRecordsLists) {
    testing::TemporaryProgramDirectory directory;
    const std::vector<std::string> lines = generatedFile();
    const auto file = directory.writeLines(lines);
    ASSERT_EQ(std::size(kOrders), kListingOrders.size()); // a plain reading of every order
    for (const Order& order : kOrders) {
        using Text = std::optional<std::string>;
        for (const Text& diploma : std::initializer_list<Text>{"****", "DFCF", "DMF", "dfcf",
                                                               "DFCF ", "DAP", std::nullopt}) {
            for (const Text& department :
                 std::initializer_list<Text>{"00", "29", "--", "2", " 9", "29 ", std::nullopt}) {
                const auto listing =
                    buildListing(order.order, file, diploma, department, KeepRecords::Yes);
                Listed listed;
                for (std::size_t i = 0; i < listing.value().lines.size(); ++i) {
                    listed.emplace_back(listing.value().lines[i], listing.value().records[i]);
                }
                EXPECT_EQ(listed, plainListing(order, lines, diploma, department))
                    << int(order.order) << " " << diploma.value_or("?") << "/"
                    << department.value_or("?");
                EXPECT_EQ(std::pair(listing.value().listedCount, listing.value().readCount),
                          std::pair(listed.size(), lines.size()));
            }
        }
    }
}

} // namespace
} // namespace orvel
