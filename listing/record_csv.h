#pragma once

#include <string>
#include <string_view>

namespace orvel {

// A record as CSV, one form whatever writes it (orvel-query, the main window's export): RFC 4180,
// fields quoted when they hold a comma, a quote or a line break, quotes doubled, CR LF after each
// row.
// Values are the record's trimmed fields in UTF-8, the canton split into its name and number.
std::string recordCsvHeader();
std::string recordCsvRow(std::string_view record);

} // namespace orvel
