// Any file and any diploma and department texts: the four listings never fail on a readable
// file, count what they read, keep their lines in order and at their length, and a complete
// record's commune line gives its fields back to the detail window.

#include "data/catalogue.h"
#include "data/cp1252.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "listing/collation.h"
#include "listing/detail_fields.h"
#include "listing/listing.h"
#include "tests/fuzz/fuzz_support.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace orvel;
using fuzz::isValidUtf8;
using fuzz::require;

struct OrderLength {
    ListingOrder order;
    std::size_t length; // of the line of a complete record
};

constexpr std::array kOrders = {
    OrderLength{ListingOrder::Commune, 136}, OrderLength{ListingOrder::Reference, 108},
    OrderLength{ListingOrder::Canton, 118}, OrderLength{ListingOrder::PostalCode, 118}};

void checkListing(const OrderLength& order, const std::filesystem::path& file,
                  const std::string& diploma, const std::string& department,
                  std::uint64_t lineCount) {
    const Result<Listing> result = buildListing(order.order, file, diploma, department);
    require(result.ok(), "a readable file always gives a listing");
    const Listing& listing = result.value();
    require(listing.readCount == lineCount, "every line of the file is read once");
    require(listing.lines.size() == listing.listedCount, "the count is the number of lines");
    require(listing.listedCount <= listing.readCount, "no line is listed twice");
    if (diploma == kEveryDiploma && department == kEveryDepartment) {
        require(listing.listedCount == listing.readCount, "**** and 00 list every line");
    }
    for (std::size_t i = 0; i < listing.lines.size(); ++i) {
        require(listing.lines[i].size() <= order.length, "no line is longer than its layout");
        require(i == 0 || collate(listing.lines[i - 1], listing.lines[i]) <= 0,
                "the lines are in order");
    }
    const std::string diplomaShown = cp1252ToUtf8(diploma);
    require(isValidUtf8(countCaption(listing, diplomaShown)), "the count caption is UTF-8");
    require(isValidUtf8(noMatchMessage(diplomaShown)), "the message is UTF-8");
}

void checkCompleteRecord(std::string_view record) {
    for (const OrderLength& order : kOrders) {
        require(listingLine(order.order, record).size() == order.length,
                "a complete record keeps its line's columns, whatever its canton field");
    }
    const std::string line = listingLine(ListingOrder::Commune, record);
    const DetailFields detail = cutCommuneLine(line);
    const auto trimmed = [record](Field field) { return trimBlanks(fieldOf(record, field)); };
    require(detail.commune == trimmed(fields::kCommune), "the detail shows the commune");
    require(detail.postalCode == trimmed(fields::kPostalCode), "the detail shows the postal code");
    require(detail.diploma == trimmed(fields::kDiploma), "the detail shows the diploma");
    require(detail.reference == trimmed(fields::kReference), "the detail shows the reference");
    require(detail.activityType == trimmed(fields::kActivityType), "the detail shows the type");
    require(detail.activityName == trimmed(fields::kActivityName), "the detail shows the name");
    require(detail.observation == trimmed(fields::kObservation), "the detail shows the remark");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string diploma = input.ConsumeRandomLengthString(6);
    const std::string department = input.ConsumeRandomLengthString(3);
    const auto blockSize = input.ConsumeIntegralInRange<std::size_t>(7, 64);
    const std::filesystem::path& file =
        fuzz::inputFile().write(input.ConsumeRemainingBytesAsString());

    std::vector<std::string> lines;
    const auto failure = forEachLine(file, [&lines](std::string_view record) {
        require(record.size() <= kRecordLength, "no line is longer than a record");
        if (record.size() == kRecordLength) {
            checkCompleteRecord(record);
        }
        lines.emplace_back(record);
    });
    require(!failure, "a readable file is read");
    const std::uint64_t lineCount = lines.size();

    // Read again a few bytes at a time, so that lines run across reads and a CR ends one read
    // while its LF starts the next: the lines must not change.
    std::size_t next = 0;
    const auto failureInSmallBlocks = forEachLine(
        file,
        [&](std::string_view record) {
            require(next < lines.size() && record == lines[next],
                    "small reads give the same lines");
            ++next;
        },
        blockSize);
    require(!failureInSmallBlocks && next == lines.size(), "small reads give every line");

    // The input's own texts, and the texts that select every line.
    const std::array<std::pair<std::string, std::string>, 2> selections = {
        std::pair{diploma, department},
        std::pair{std::string(kEveryDiploma), std::string(kEveryDepartment)}};
    for (const OrderLength& order : kOrders) {
        for (const auto& [chosenDiploma, chosenDepartment] : selections) {
            checkListing(order, file, chosenDiploma, chosenDepartment, lineCount);
        }
    }
    return 0;
}
