#pragma once

#include <string>
#include <string_view>

namespace orvel {

// CSV output of orvel-query (RFC 4180: fields quoted when they hold a comma, a quote or a line
// break; quotes doubled; CR LF after each row). Values are trimmed fields, in UTF-8.

// Header and row of a listed record: every field of the record.
std::string recordCsvHeader();
std::string recordCsvRow(std::string_view record);

// Header and row of a search result line, whose columns stand at fixed places.
std::string resultCsvHeader();
std::string resultCsvRow(std::string_view resultLine);

} // namespace orvel
