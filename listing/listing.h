#pragma once

#include "data/line_list.h"
#include "data/read_failure.h"
#include "listing/listing_orders.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvel {

// One listing: its lines in list order, Windows-1252 bytes, and the two counts of the caption.
// The header line is read and tested like a record.
struct Listing {
    LineList lines;
    // The record behind each line, in the same order, when asked for; empty behind the header
    // line, which a listing under "****" and "00" lists but which is no record.
    LineList records;
    // Where the file's header line stands among the lines, when it is listed.
    std::optional<std::size_t> headerLine;
    std::uint64_t listedCount = 0;
    std::uint64_t readCount = 0;
};

enum class KeepRecords { No, Yes };

// Shown every line read, listed or not: for a caller that checks something against the whole
// file within the listing's one reading of it.
using LineObserver = std::function<void(std::string_view line)>;

// Reads the whole reference file and lists the records of the diploma and department texts
// (Windows-1252, compared unchanged; "****" and "00" select every diploma and department). A text
// given as none holds a character that Windows-1252 lacks: no record can hold it, so nothing is
// listed, but the file is read all the same, its lines counted and a failure to read it reported.
Result<Listing> buildListing(ListingOrder order, const std::filesystem::path& referenceFile,
                             std::optional<std::string_view> diploma,
                             std::optional<std::string_view> department,
                             KeepRecords keepRecords = KeepRecords::No,
                             const LineObserver& onEveryLine = {});

// The listing line of one record, Windows-1252.
std::string listingLine(ListingOrder order, std::string_view record);

// The caption of the list's frame: "<listed> Rérérences <diploma> sur <read>" (UTF-8).
std::string countCaption(const Listing& listing, std::string_view diplomaUtf8);

// The message shown when a listing finds nothing (UTF-8).
std::string noMatchMessage(std::string_view diplomaUtf8);

} // namespace orvel
