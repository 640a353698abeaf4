// Any file and any diploma and department texts: its revision is its first line's, the four
// listings never fail on a readable file, count what they read, keep their lines in order and at
// their length; the detail window cuts any commune line within it.

#include "data/catalogue.h"
#include "data/cp1252.h"
#include "data/record.h"
#include "data/reference_file.h"
#include "data/revision.h"
#include "data/utf8.h"
#include "listing/collation.h"
#include "listing/detail_fields.h"
#include "listing/listing.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

using namespace orvel;
using fuzz::require;

namespace {

// Each order with the length of the line of a complete record.
constexpr std::pair<ListingOrder, std::size_t> kOrders[] = {{ListingOrder::Commune, 136},
                                                            {ListingOrder::Reference, 108},
                                                            {ListingOrder::Canton, 118},
                                                            {ListingOrder::PostalCode, 118}};

// Whatever the line's length, every field the detail window shows is a trimmed part of it.
void checkDetailCut(std::string_view line) {
    const DetailFields d = cutCommuneLine(line);
    for (const std::string_view field :
         {d.commune, d.postalCode, d.diploma, d.reference, d.activityType, d.activityName,
          d.cantonName, d.cantonNumber, d.observation}) {
        require(field.empty() || (field.data() >= line.data() && field.end() <= line.end() &&
                                  field.front() != ' ' && field.back() != ' '),
                "a detail field is a trimmed part of its line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string diploma = input.ConsumeRandomLengthString(6);
    const std::string department = input.ConsumeRandomLengthString(3);
    const auto& file = fuzz::asReferenceFile(input.ConsumeRemainingBytesAsString());

    std::vector<std::string> lines;
    require(!forEachLine(file,
                         [&lines](std::string_view record) {
                             require(record.size() <= kRecordLength, "no line outgrows a record");
                             lines.emplace_back(record);
                         }),
            "a readable file is read");

    DatabaseRevision revision;
    const Result<std::string> message = revision.check(file);
    require(message.ok() && isValidUtf8(message.value()) &&
                revision.revisionBase() == revisionText(lines.empty() ? "" : lines[0]),
            "the revision is the first line's columns 7 to 30, in a UTF-8 message");

    // The input's own texts, and the texts that select every line.
    for (const auto& [order, length] : kOrders) {
        for (const auto& [chosenDiploma, chosenDepartment] :
             {std::pair<std::string_view, std::string_view>{diploma, department},
              {kEveryDiploma, kEveryDepartment}}) {
            const Result<Listing> result =
                buildListing(order, file, chosenDiploma, chosenDepartment);
            require(result.ok(), "a readable file always gives a listing");
            const Listing& listing = result.value();
            require(listing.readCount == lines.size() &&
                        listing.lines.size() == listing.listedCount &&
                        listing.listedCount <= listing.readCount,
                    "every line is read once, listed at most once, and counted");
            require(listing.listedCount == listing.readCount || chosenDiploma != kEveryDiploma ||
                        chosenDepartment != kEveryDepartment,
                    "**** and 00 list every line");
            for (std::size_t i = 0; i < listing.lines.size(); ++i) {
                const std::string_view line = listing.lines[i];
                require(line.size() <= length, "no line is longer than its layout");
                require(i == 0 || collate(listing.lines[i - 1], line) <= 0,
                        "the lines are in order");
                if (order == ListingOrder::Commune) {
                    checkDetailCut(line);
                }
            }
            const std::string diplomaShown = cp1252ToUtf8(chosenDiploma);
            require(isValidUtf8(countCaption(listing, diplomaShown)) &&
                        isValidUtf8(noMatchMessage(diplomaShown)),
                    "the count caption and the message are UTF-8");
        }
    }
    return 0;
}
