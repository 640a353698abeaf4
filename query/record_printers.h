#pragma once

#include "query/query_options.h"

#include <memory>
#include <string_view>

namespace orvel::query {

// A record that a command found, and the line it shows for it (Windows-1252), in one or two parts.
struct FoundRecord {
    std::string_view record; // empty where the command does not keep the records
    bool isHeaderLine;       // the file's first line, found like a record but holding none
    std::string_view shownStart;
    std::string_view shownEnd = {};
};

// Writes the records a command finds on standard output, in the form the options ask for: the
// lines shown, or CSV rows of the records. Either throws as Output does.
class RecordPrinter {
public:
    RecordPrinter() = default;
    RecordPrinter(const RecordPrinter&) = delete;
    RecordPrinter& operator=(const RecordPrinter&) = delete;
    virtual ~RecordPrinter() = default;

    virtual void print(const FoundRecord& found) = 0;
    // After the last record: writes what is left and closes standard output.
    virtual void finish() = 0;
};

// The CSV form writes its header row with the first record or at the end, so that a file that
// cannot be read prints nothing.
std::unique_ptr<RecordPrinter> recordPrinter(const Options& options);

} // namespace orvel::query
