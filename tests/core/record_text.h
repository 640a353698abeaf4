#pragma once

#include <string>
#include <string_view>

namespace orvel::testing {

// The fields of one reference record, as the file writes them (Windows-1252).
struct RecordFields {
    std::string_view commune = "BREST";
    std::string_view diploma = "DFCF";
    std::string_view reference = "29-001";
    std::string_view activityType = "Fort";
    std::string_view activityName = "Fort du Portzic";
    std::string_view observation = "01/05/2008";
    std::string_view postalCode = "29200";
    std::string_view canton = "Brest-Centre 2905";
};

// The 138-character record line: every field left-aligned in its columns, the columns between
// fields blank. A field longer than its columns runs over the next ones, as a damaged file would.
inline std::string recordText(const RecordFields& fields) {
    std::string line;
    const auto put = [&line](std::size_t column, std::string_view text) {
        if (line.size() < column - 1) {
            line.resize(column - 1, ' ');
        }
        line.replace(column - 1, text.size(), text);
    };
    put(4, fields.commune);
    put(33, fields.diploma);
    put(39, fields.reference);
    put(46, fields.activityType);
    put(54, fields.activityName);
    put(83, fields.observation);
    put(100, fields.postalCode);
    put(107, fields.canton);
    line.resize(138, ' ');
    return line;
}

// The header line of a file: the revision text in columns 7 to 30.
inline std::string headerText(std::string_view revision) {
    std::string line(6, ' ');
    line.append(revision);
    return line;
}

// Lines joined with the terminator after each one.
template <class Lines> std::string joinLines(const Lines& lines, std::string_view terminator) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes.append(line);
        bytes.append(terminator);
    }
    return bytes;
}

} // namespace orvel::testing
